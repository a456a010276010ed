#include "game/screens/SaverTipClock.h"

#include "game/state/Player.h"

SaverTipClock::SaverTipClock()
{
    SetCurveKeys(scale, {0.1f, 1.1f, 1.0f});
}

void SaverTipClock::Start()
{
    showing = true;
    time = 0.0f;
}

void SaverTipClock::Hide()
{
    if (showing && time < 10.5f)
        time = 10.51f;
}

void SaverTipClock::Update(float dt, Player& player)
{
    if (!showing)
        return;
    time += dt;
    if (time >= 7.0f && time < 10.5f && !player.showSSTip)
        player.showSSTip = true;
    if (time >= 11.0f) {
        showing = false;
        time = 0.0f;
    }
}
