#include "game/board/effects/SquareDestroyerShatter.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/ChipPicture.h"

#include <cmath>

namespace {

constexpr float kPi = 3.14159265f;
// The shard pictures: rows of 0.078125 (the chip colours) or 0.3125 (the
// covers, colours 12 and above), eight shards a row.
constexpr float kShardU = 0.078125f;
constexpr float kColourRow = 0.078125f;
constexpr float kCoverRow = 0.3125f;
constexpr int kFirstCover = 12;

} // namespace

SquareDestroyerShatter::SquareDestroyerShatter(Square* square, GameField* field, int pushX, int pushY)
    : FieldEffect("SquareDestroyer", 0.2f, field)
    , _colour(square ? KindColour(square->kind) : 0)
{
    _drawPass = 1;
    _topV = _colour < kFirstCover ? 1.0f - static_cast<float>(_colour + 1) * kColourRow
                                  : 1.0f - static_cast<float>(_colour - 11) * kCoverRow;
    if (!square || !_field)
        return;
    const int count = pushX != 0 ? 4 : 8;
    const float radius = _colour >= kFirstCover ? 17.0f : 10.0f;
    float angle = static_cast<float>(RandomInt() % 360) * kPi / 180.0f;
    const float ox = static_cast<float>(_field->_originX);
    const float oy = static_cast<float>(_field->_originY);
    for (int i = 0; i < count; ++i) {
        const float cx = std::trunc(radius * std::cos(angle));
        const float cy = std::trunc(radius * std::sin(angle));
        Shard shard{};
        shard.x = ox + cx + square->position.x + 10.0f;
        shard.y = oy + cy + square->position.y + 10.0f;
        shard.speedX = 15.0f * cx + 90.0f * static_cast<float>(pushX);
        shard.speedY = static_cast<float>(RandomInt() % 200) + 5.0f * cy + 60.0f * static_cast<float>(pushY) + 150.0f;
        shard.accelY = -900.0f;
        shard.angle = 0.0f;
        shard.spin = static_cast<float>(RandomInt() % 720);
        shard.index = static_cast<float>(i);
        _shards.push_back(shard);
        angle += 2.0f * kPi / static_cast<float>(count);
    }
    _field->DeleteSquare(square);
}

void SquareDestroyerShatter::Update(float dt)
{
    _time += 0.2f * dt;
    const float d = 0.75f * dt;
    for (Shard& shard : _shards) {
        shard.angle += d * shard.spin;
        shard.x += d * shard.speedX;
        shard.y += d * shard.speedY;
        shard.speedY += d * shard.accelY;
        shard.speedX /= 1.0f + d / 2.0f;
        if (_time > 0.1f)
            shard.speedY -= 1000.0f * d;
    }
}

float SquareDestroyerShatter::Alpha() const
{
    return _time <= 0.2f ? 255.0f : 255.0f - (_time - 0.2f) * 318.75f;
}

void SquareDestroyerShatter::Draw()
{
    if (!_field)
        return;
    const float alpha = std::fmax(Alpha(), 0.0f);
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(static_cast<int>(alpha))));
    if (Sprite* picture = _colour < kFirstCover ? _field->_piecesTexture : _field->_piecesTexture2)
        picture->Bind();
    const float rowHeight = _colour < kFirstCover ? kColourRow : kCoverRow;
    for (const Shard& shard : _shards) {
        const float u = static_cast<float>(static_cast<int>(shard.index) % 8) * kShardU;
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(shard.x + 10.0f, shard.y + 10.0f, 0.0f));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), shard.angle);
        g_renderDevice.DrawRectUV(Rect(-10, -10, 20, 20), u, u + kShardU, _topV, _topV + rowHeight);
        g_renderDevice.PopMatrix();
    }
    RestoreDrawState();
}
