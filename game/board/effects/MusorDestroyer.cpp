#include "game/board/effects/MusorDestroyer.h"

#include "engine/render/RenderDevice.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>

namespace {
// The musor's picture in the chip atlas.
constexpr int kMusorFrame = 16;
} // namespace

MusorDestroyer::MusorDestroyer(float x, float y, float z, GameField* field)
    : FieldEffect("MusorDestroyer", 1.0f, field)
    , _point(x, y, z)
{
    _accelY = 500.0f + 200.0f * static_cast<float>(RandomInt()) / 32767.0f;
    _spin = 60.0f * static_cast<float>(RandomInt()) / 32767.0f - 30.0f;
}

void MusorDestroyer::Update(float dt)
{
    _point.y -= dt * _speedY;
    _speedY += dt * _accelY;
    _angle += dt * _spin;
    if (_speedY > 100.0f)
        _alpha -= 200.0f * dt;
    _alpha = std::clamp(_alpha, 0.0f, 255.0f);
}

void MusorDestroyer::Draw()
{
    if (!_field)
        return;
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(static_cast<int>(_alpha))));
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(_point);
    g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), _angle);
    DrawAtlasCell(*_field, kMusorFrame, 0, 0, 40, 40);
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
