#include "game/board/effects/DecLives.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/MathFunctions.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "game/state/Player.h"

#include <algorithm>

namespace {

constexpr float kIconY = 240.0f;
constexpr float kShakeStep = 0.085f;
constexpr float kStandStill = 1.0f;
constexpr float kBreakTime = 3.0f;

} // namespace

DecLives::DecLives(GameField* field)
    : FieldEffect("DecLives", 1.0f, field)
{
    _livesAtStart = _field ? _field->_shownLives : 0;
    const int n = _livesAtStart;
    _iconX = n < kIconsShown ? 16.0f + 15.0f * static_cast<float>(n) : 31.0f;
    _halves[0].x = _iconX - 2.0f;
    _halves[1].x = _iconX + 3.0f;
    for (Half& half : _halves)
        half.y = kIconY;
    _halves[0].speedX = RandomFloatRange(-45.0f, -70.0f);
    _halves[0].speedY = RandomFloatRange(70.0f, 120.0f);
    _halves[0].accelerationY = RandomFloatRange(-200.0f, -300.0f);
    _halves[1].speedX = RandomFloatRange(45.0f, 70.0f);
    _halves[1].speedY = RandomFloatRange(70.0f, 120.0f);
    _halves[1].accelerationY = RandomFloatRange(-200.0f, -300.0f);
    _halves[0].spin = RandomFloatRange(50.0f, 150.0f);
    _halves[1].spin = RandomFloatRange(-50.0f, -150.0f);
    if (n < kIconsShown)
        TakeLife();
}

DecLives::~DecLives()
{
    if (!_lifeTaken)
        TakeLife();
}

void DecLives::TakeLife()
{
    _lifeTaken = true;
    if (!_field)
        return;
    _field->_shownLives -= 1;
    ActivePlayer().lives = _field->_shownLives;
}

void DecLives::Update(float dt)
{
    _elapsed += dt;
    _shakeClock += dt;
    if (_elapsed <= kStandStill)
        return;
    if (_elapsed < kBreakTime) {
        if (_shakeClock < kShakeStep)
            return;
        _shakeClock = 0.0f;
        const float m = (_elapsed - 1.0f) * 0.4f + 0.2f;
        _halves[0].x = _iconX - 3.0f + RandomFloatRange(-m, m);
        _halves[0].y = kIconY + static_cast<float>(RandomIntRange(-1, 1));
        _halves[1].x = _iconX + 3.0f + RandomFloatRange(-m, m);
        _halves[1].y = kIconY + static_cast<float>(RandomIntRange(-1, 2));
        for (Half& half : _halves)
            half.angle = RandomFloatRange(-5.0f * m, 5.0f * m);
        return;
    }
    if (!_lifeTaken)
        TakeLife();
    const float k = dt * _speed;
    for (Half& half : _halves) {
        half.x += half.speedX * k;
        half.y += half.speedY * k;
        half.speedX /= 1.0f + k / 2.0f;
        half.speedY += half.accelerationY * k;
        half.angle += half.spin * k;
        half.alpha = std::max(0.0f, half.alpha - 150.0f * dt);
    }
}

bool DecLives::IsFinished()
{
    return _finished || (_halves[0].y < 0.0f && _halves[1].y < 0.0f);
}

void DecLives::Draw()
{
    if (!_field || !_field->_piecesTexture2)
        return;
    _field->_piecesTexture2->Bind();
    for (int i = 0; i < 2; ++i) {
        const Half& half = _halves[i];
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(Vector3(half.x, half.y, half.z));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), half.angle);
        g_renderDevice.SetColor(Color(255, 255, 255, static_cast<std::uint8_t>(half.alpha)));
        const float u = static_cast<float>(200 + 20 * i) / 256.0f;
        g_renderDevice.DrawRectUV(Rect(-10, -10, 20, 20), u, u + 0.078125f, 0.6875f, 1.0f);
        g_renderDevice.PopMatrix();
    }
    RestoreDrawState();
}
