#include "game/board/effects/SquareDestroyerThrow.h"

#include "engine/render/RenderDevice.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>
#include <cmath>

namespace {

// The covers each throw draws with their own frame.
constexpr int kThrowCovers = 5;
constexpr int kHighThrowCovers = 3;

// The frames an animated chip spins through.
constexpr int kSpinLast = 35;

// A chip whose point leaves these bounds is off the screen.
constexpr float kLeftBound = 40.0f;
constexpr float kRightBound = 840.0f;
constexpr float kLowBound = -40.0f;

} // namespace

SquareDestroyerThrow::SquareDestroyerThrow(Square* square, float speedX, float speedY, float accelY, float spin,
                                           GameField* field)
    : SquareDestroyerThrow(square, speedX, speedY, accelY, spin, field, false)
{
    if (!_square || _square->kind < 0 || _square->kind >= 16)
        return;
    SpriteAnimation& anim = _square->anim;
    anim.SetFirstFrame(0);
    anim.SetLastFrame(kSpinLast);
    if (anim.frameCount >= kSpinLast + 1)
        anim.SetFrame(0);
    const int fps = RandomInt() % 20 - static_cast<int>(-0.5f * speedX) + 10;
    anim.SetFps(static_cast<float>(fps));
    anim.SetMode(SpriteAnimation::kLoop | (speedX <= 0.0f ? SpriteAnimation::kBackwards : 0));
    anim.Play(true);
}

SquareDestroyerThrow::SquareDestroyerThrow(Square* square, float speedX, float speedY, float accelY, float spin,
                                           GameField* field, bool high)
    : FieldEffect("SquareDestroyer", 0.1f, field)
    , _square(field ? field->TakeSquare(square) : nullptr)
    , _speedX(speedX)
    , _speedY(speedY)
    , _accelY(accelY)
    , _spin(spin)
    , _high(high)
{
    _drawPass = 1;
    if (_field)
        _size = static_cast<float>(_field->_cellSize);
}

SquareDestroyerThrowHigh::SquareDestroyerThrowHigh(Square* square, float speedX, float speedY, float accelY,
                                                   float spin, GameField* field)
    : SquareDestroyerThrow(square, speedX, speedY, accelY, spin, field, true)
{
}

void SquareDestroyerThrow::Update(float dt)
{
    if (!_square || !_field || (!_high && !_field->_isActive))
        return;
    _square->position.x += dt * _speedX;
    _square->position.y += dt * _speedY;
    _speedY += dt * _accelY;
    _angle += dt * _spin;
    if (_speedY < -100.0f)
        _alpha -= 200.0f * dt;
    _alpha = std::clamp(_alpha, 0.0f, 255.0f);
    if (_high)
        _size -= 80.0f * dt;
    if (_square->kind >= 0 && _square->kind < 16)
        _square->anim.Update(dt);
}

bool SquareDestroyerThrow::OffScreen() const
{
    const float x = static_cast<float>(_field->_originX) + _square->position.x;
    const float y = static_cast<float>(_field->_originY) + _square->position.y;
    return x < kLeftBound || x > kRightBound || y < kLowBound;
}

bool SquareDestroyerThrow::IsFinished()
{
    if (_finished || !_square || !_field)
        return true;
    if (!_high && !_field->_isActive)
        return true;
    return OffScreen() || (_high && _size <= 0.0f);
}

void SquareDestroyerThrow::Draw()
{
    if (!_square || !_field)
        return;
    const float half = static_cast<float>(_field->_cellSize) / 2.0f;
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(static_cast<int>(_alpha))));
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(_field->_originX) + _square->position.x + half,
                                     static_cast<float>(_field->_originY) + _square->position.y + half, 0.0f));
    g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), _angle);
    if (_high) {
        g_renderDevice.ScaleUniform(_size / static_cast<float>(_field->_cellSize));
        g_renderDevice.SetBlendMode(2);
    }
    DrawChipCentred(*_field, *_square, _high ? kHighThrowCovers : kThrowCovers);
    RestoreDrawState();
    g_renderDevice.PopMatrix();
}
