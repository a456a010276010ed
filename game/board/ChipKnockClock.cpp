#include "game/board/ChipKnockClock.h"

namespace {
float g_knockClock = 0.0f;
}

void ChipKnockClock::Reset()
{
    g_knockClock = 0.0f;
}

void ChipKnockClock::Advance(float dt)
{
    if (g_knockClock < 1.0f)
        g_knockClock += dt;
}

bool ChipKnockClock::TakeKnock()
{
    if (g_knockClock < kKnockInterval)
        return false;
    g_knockClock = 0.0f;
    return true;
}

float ChipKnockClock::Value()
{
    return g_knockClock;
}
