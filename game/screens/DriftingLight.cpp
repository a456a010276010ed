#include "game/screens/DriftingLight.h"

#include "engine/render/DrawRoutines.h"
#include "engine/util/Random.h"

#include <algorithm>

namespace {

float Draw()
{
    return static_cast<float>(RandomInt());
}

} // namespace

void DriftingLight::Start()
{
    from = 100.0f + Draw() * 0.004730338f;
    to = 100.0f + Draw() * 0.004730338f;
    period = 0.2f + Draw() * 2.438429e-5f;
    timer = 0.0f;
    fromColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    toColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    value = from;
    color = fromColor;
}

void DriftingLight::Advance(float dt)
{
    timer += dt;
    if (timer >= period) {
        timer -= period;
        from = to;
        to = 10.0f + Draw() * 0.007477004f;
        fromColor = toColor;
        toColor = RandomColorBetween(Color(30, 30, 30, 255), Color(255, 255, 255, 255));
        period = 0.5f + Draw() * 3.9643543e-5f;
    }
    const float f = std::min(timer / period, 1.0f);
    value = from + (to - from) * f;
    color = LerpColor(fromColor, toColor, f);
}
