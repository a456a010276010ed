#include "game/board/ValueSlot.h"

void ValueSlot::Push(const TextBlock* text)
{
    if (!_titleShown) {
        _titleAlpha = 0.0f;
        _titleFading = true;
        _titleShown = text;
    } else {
        _titleFading = false;
        _titleNext = text;
    }
}

void ValueSlot::Clear()
{
    if (!_titleShown)
        return;
    _titleNext = nullptr;
    _titleFading = false;
}

void ValueSlot::Step(float dt)
{
    const float d = kFadeRate * dt;
    if (_titleFading) {
        _titleAlpha += d;
        if (_titleAlpha > 255.0f)
            _titleAlpha = 255.0f;
        return;
    }
    _titleAlpha -= d;
    if (_titleAlpha < 0.0f) {
        _titleShown = _titleNext;
        _titleFading = true;
        _titleAlpha = 0.0f;
    }
}
