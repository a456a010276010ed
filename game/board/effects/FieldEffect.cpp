#include "game/board/effects/FieldEffect.h"

#include "game/board/GameField.h"

#include <algorithm>

FieldEffect::FieldEffect(const std::string& name, float speed, GameField* field)
    : FieldController(name, field)
    , _speed(speed)
{
    if (_field)
        _field->_fieldEffects.push_back(this);
}

FieldEffect::~FieldEffect()
{
    if (!_field)
        return;
    auto& effects = _field->_fieldEffects;
    const auto found = std::find(effects.begin(), effects.end(), this);
    if (found != effects.end())
        effects.erase(found);
}

void FieldEffect::Update(float dt)
{
    _time += dt * _speed;
}

bool FieldEffect::IsFinished()
{
    return _finished || IsTimeUp();
}
