#include "gui/widgets/CreditsColorDrift.h"

#include "engine/render/DrawRoutines.h"
#include "engine/util/Random.h"
#include "gui/effects/SwimmingFish.h"
#include "gui/widgets/Credits.h"
#include "gui/widgets/CreditsModule.h"

namespace {

float RandomValue()
{
    return static_cast<float>(RandomInt());
}

} // namespace

CreditsColorDrift::CreditsColorDrift(Credits* credits) : _credits(credits)
{
    StartArc(_arc1);
    StartArc(_arc2);
}

CreditsColorDrift::~CreditsColorDrift()
{
    if (_credits)
        _credits->_drift = nullptr;
    if (CreditsModule().drift == this)
        CreditsModule().drift = nullptr;
}

void CreditsColorDrift::StartArc(Arc& arc)
{
    arc._fromLevel = 100.0f + RandomValue() * 0.004730338f;
    arc._toLevel = 100.0f + RandomValue() * 0.004730338f;
    arc._period = 0.2f + RandomValue() * 2.438429e-5f;
    arc._phaseTime = 0.0f;
    arc._fromColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    arc._toColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    arc._color = Color();
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
