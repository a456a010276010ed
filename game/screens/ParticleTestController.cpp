#include "game/screens/ParticleTestController.h"

#include "gui/controllers/ControllerManager.h"

ParticleTestController::~ParticleTestController()
{
    kernel.Detach(this);
}

void ParticleTestController::OnWidgetDeleted(const Widget* deleted)
{
    if (deleted && deleted == widget)
        widget = nullptr;
}
