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

void CreditsColorDrift::DriftArc(Arc& arc, float dt)
{
    arc._phaseTime += dt;
    if (arc._phaseTime > arc._period) {
        arc._phaseTime -= arc._period;
        arc._fromLevel = arc._toLevel;
        arc._toLevel = 10.0f + RandomValue() * 0.007477004f;
        arc._period = 0.5f + RandomValue() * 3.9643543e-5f;
        arc._fromColor = arc._toColor;
        arc._toColor = RandomColorBetween(Color(30, 30, 30, 255), Color(255, 255, 255, 255));
    }
    const float f = arc._phaseTime / arc._period;
    arc._level = arc._fromLevel + (arc._toLevel - arc._fromLevel) * f;
    arc._color = LerpColor(arc._fromColor, arc._toColor, f);
}

void CreditsColorDrift::Update(float dt)
{
    _time += dt;
    // A roll of no length never moves: its clock stays at 0.
    if (!_credits || _time >= _credits->_rollTime)
        _time = 0.0f;
    for (SwimmingFish& fish : CreditsModule().fish)
        fish.Update(dt);
    DriftArc(_arc1, dt);
    DriftArc(_arc2, dt);
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
