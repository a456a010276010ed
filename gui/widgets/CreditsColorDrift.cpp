#include "gui/widgets/CreditsColorDrift.h"

#include "gui/effects/SwimmingFish.h"
#include "gui/widgets/Credits.h"
#include "gui/widgets/CreditsModule.h"

CreditsColorDrift::CreditsColorDrift(Credits* credits) : _credits(credits)
{
    _arc1.Start();
    _arc2.Start();
}

CreditsColorDrift::~CreditsColorDrift()
{
    if (_credits)
        _credits->_drift = nullptr;
    if (CreditsModule().drift == this)
        CreditsModule().drift = nullptr;
}

void CreditsColorDrift::Update(float dt)
{
    _time += dt;
    // A roll of no length never moves: its clock stays at 0.
    if (!_credits || _time >= _credits->_rollTime)
        _time = 0.0f;
    for (SwimmingFish& fish : CreditsModule().fish)
        fish.Update(dt);
    _arc1.Advance(dt);
    _arc2.Advance(dt);
}

void CreditsColorDrift::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _credits)
        Forget();
}

void CreditsColorDrift::Forget()
{
    if (_credits)
        _credits->_drift = nullptr;
    _credits = nullptr;
    _finished = true;
}
