#include "game/board/effects/Flash.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>
#include <cmath>

namespace {
// The bolt picture repeats every 128 points along the bolt.
constexpr float kBoltRepeat = 128.0f;
constexpr float kHalfHeight = 16.0f;
constexpr float kDegrees = 57.2957795f;
} // namespace

Flash::Flash(int x0, int y0, int x1, int y1, float speed, GameField* field)
    : FieldEffect("Flash", speed, field)
    , _x0(x0)
    , _y0(y0)
    , _x1(x1)
    , _y1(y1)
    , _bolt(g_resourceManager.GetTexture("#flash"))
    , _ball(g_resourceManager.GetTexture("#flash_ball"))
{
    g_sound.PlaySample("Flash");
    const float dx = static_cast<float>(x1 - x0);
    const float dy = static_cast<float>(y1 - y0);
    _length = std::sqrt(dx * dx + dy * dy);
}

void Flash::Update(float dt)
{
    _timer += dt;
    if (_timer < 0.05f)
        return;
    _timer = 0.0f;
    _ballSize1 = 48 + RandomInt() % 16;
    _ballSize2 = 48 + RandomInt() % 16;
}

void Flash::Stop()
{
    _stopped = true;
}

float Flash::AngleDegrees() const
{
    if (_x0 == _x1 && _y0 == _y1)
        return 0.0f;
    return std::atan2(static_cast<float>(_y1 - _y0), static_cast<float>(_x1 - _x0)) * kDegrees;
}

void Flash::DrawBolt()
{
    g_renderDevice.SetBlendMode(2);
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(_x0), static_cast<float>(_y0), 0.0f));
    g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), AngleDegrees());
    if (_bolt)
        _bolt->Bind();
    const float r = static_cast<float>(RandomInt() % 100) * 0.01f;
    const Color white(255, 255, 255, 255);
    float x = 0.0f;
    float u0 = r;
    while (x < _length) {
        float piece = (1.0f - u0) * kBoltRepeat;
        float u1 = 1.0f;
        if (x + piece > _length) {
            piece = _length - x;
            u1 = u0 + piece / kBoltRepeat;
        }
        g_renderDevice.DrawQuadColored(Vector3(x, -kHalfHeight, 0.0f), Vector3(x + piece, -kHalfHeight, 0.0f),
                                       Vector3(x, kHalfHeight, 0.0f), Vector3(x + piece, kHalfHeight, 0.0f), white,
                                       white, white, white, u0, u1, 0.0f, 1.0f);
        x += piece;
        u0 = 0.0f;
    }
    g_renderDevice.PopMatrix();
    g_renderDevice.SetBlendMode(1);
}

void Flash::DrawBall(int x, int y, int size)
{
    g_renderDevice.SetBlendMode(2);
    if (_ball)
        _ball->Bind();
    g_renderDevice.DrawRectUV(Rect(x - size / 2, y - size / 2, size, size), 0.0f, 1.0f, 0.0f, 1.0f);
    g_renderDevice.SetBlendMode(1);
}

void Flash::Draw()
{
    g_renderDevice.SetColor(Color(192));
    if (_length > 0.0f)
        DrawBolt();
    DrawBall(_x0, _y0, _ballSize1);
    DrawBall(_x1, _y1, _ballSize2);
    RestoreDrawState();
}
