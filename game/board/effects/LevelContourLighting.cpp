#include "game/board/effects/LevelContourLighting.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>
#include <cmath>

namespace {
// The frame picture's cells: 0.3125 of the texture, one per piece type.
constexpr float kFrameCell = 0.3125f;
constexpr float kPiece = 40.0f;
} // namespace

LevelContourLighting::LevelContourLighting(float speed, GameField* field)
    : FieldEffect("LevelContourLighting", speed, field)
    , _dx(RandomInt() % 2 == 0 ? -1 : 1)
    , _dy(RandomInt() % 2 == 0 ? -1 : 1)
{
}

int LevelContourLighting::CornerAlpha(float x, float y, float brightness) const
{
    const float line = 3000.0f * _time - 1500.0f;
    const float distance = std::fabs(static_cast<float>(_dx) * x + static_cast<float>(_dy) * y - line);
    const float alpha = (192.0f - distance * 0.2f * 8.0f) * brightness / 212.5f;
    return static_cast<int>(std::clamp(alpha, 0.0f, 255.0f));
}

void LevelContourLighting::Draw()
{
    if (!_field || _field->_framePieces.empty())
        return;
    if (_field->_frameTexture)
        _field->_frameTexture->Bind();
    g_renderDevice.SetBlendMode(2);
    const float ox = static_cast<float>(_field->_originX);
    const float oy = static_cast<float>(_field->_originY);
    for (const FramePiece& piece : _field->_framePieces) {
        const float brightness = static_cast<float>(piece.alpha);
        if (brightness <= 0.0f)
            continue;
        const float x0 = ox + piece.x;
        const float y0 = oy + piece.y;
        // The very quad the frame draws: its piece type's cell counted from
        // the texture's right edge, turned clockwise by its quarter turns.
        const float u = 1.0f - static_cast<float>(piece.type + 1) * kFrameCell;
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(x0 + kPiece / 2.0f, y0 + kPiece / 2.0f, 0.0f));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), -90.0f * static_cast<float>(piece.rotation));
        const float h = kPiece / 2.0f;
        // Corner colours follow the screen corners they land on.
        const float turn = -1.57079632f * static_cast<float>(piece.rotation);
        const float c = std::cos(turn);
        const float s = std::sin(turn);
        auto screen = [&](float lx, float ly) {
            const float x = x0 + h + c * lx - s * ly;
            const float y = y0 + h + s * lx + c * ly;
            return Color(255, 255, 255, static_cast<std::uint8_t>(CornerAlpha(x, y, brightness)));
        };
        g_renderDevice.DrawQuadColored(Vector3(-h, -h, 0.0f), Vector3(h, -h, 0.0f), Vector3(-h, h, 0.0f),
                                       Vector3(h, h, 0.0f), screen(-h, -h), screen(h, -h), screen(-h, h), screen(h, h),
                                       u, u + kFrameCell, 0.0f, kFrameCell);
        g_renderDevice.PopMatrix();
    }
    RestoreDrawState();
}
