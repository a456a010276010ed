#include "gui/controllers/WaterPhase.h"

#include "gui/controllers/ControllerManager.h"

WaterPhase::~WaterPhase()
{
    kernel.Detach(this);
}

void WaterPhase::Update(float dt)
{
    _phase += dt * 0.02f;
    if (_phase > 1.0f)
        _phase -= 1.0f;
}
