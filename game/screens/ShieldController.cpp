#include "game/screens/ShieldController.h"

#include "game/screens/Shield.h"

void ShieldController::Update(float dt)
{
    if (_shield)
        _shield->Update(dt);
}
