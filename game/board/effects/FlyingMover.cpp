#include "game/board/effects/FlyingMover.h"

#include "game/board/GameField.h"
#include "gui/effects/ParticleEffect.h"

FlyingMover::FlyingMover(const std::string& name, float speed, GameField* field, const Vector3& start,
                         const Vector3& end)
    : FieldEffect(name, speed, field)
    , _start(start)
    , _end(end)
{
    _drawPass = 3;
    if (_field) {
        _field->_artInFly += 1;
        _inFlight = true;
    }
}

FlyingMover::~FlyingMover()
{
    LeaveFlight();
    StopFlame();
}

void FlyingMover::StartFlame(const std::string& name, float x, float y)
{
    if (!_field)
        return;
    _flame = _field->effects.AddWithHandle(name, x, y);
}

void FlyingMover::MoveFlame(float x, float y)
{
    if (ParticleEffect* flame = _flame.Get()) {
        flame->posX = x;
        flame->posY = y;
    }
}

void FlyingMover::StopFlame()
{
    if (ParticleEffect* flame = _flame.Get())
        flame->Stop();
    _flame = EffectHandle();
}

void FlyingMover::LeaveFlight()
{
    if (!_inFlight)
        return;
    _inFlight = false;
    if (_field)
        _field->_artInFly -= 1;
}
