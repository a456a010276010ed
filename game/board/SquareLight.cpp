#include "game/board/SquareLight.h"

#include "game/board/Square.h"

SquareLight::SquareLight(Square* square, float duration, GameField* field)
    : FieldController("SquareLight", field)
    , _square(square)
    , _speed(duration > 0.0f ? 1.0f / duration : 0.0f)
{
    if (!_square || _square->selected || _square->kind >= 48)
        return;
    _lit = true;
    _square->highlighted = true;
    SpriteAnimation& anim = _square->anim;
    if (anim.current < Square::kHighlightFirst) {
        anim.SetFirstFrame(Square::kHighlightFirst);
        anim.SetLastFrame(Square::kHighlightLast);
        anim.SetFrame(Square::kHighlightFirst);
    }
    // Looping on from the frame it shows.
    anim.mode = SpriteAnimation::kLoop;
    anim.step = 1;
    anim.playing = true;
}

SquareLight::~SquareLight()
{
    if (!_lit || !_square)
        return;
    _square->anim.mode = 0;
    _square->anim.SetFrame(_square->storedFrame);
    _square->highlighted = false;
}

void SquareLight::Update(float dt)
{
    // No duration: the light ends at once.
    _time = _speed > 0.0f ? _time + dt * _speed : 1.0f;
}

void SquareLight::OnSquareLeaving(const Square* square)
{
    if (square == _square)
        _square = nullptr;
}
