#pragma once

// What the credits show besides their widget, once for the program: the
// swimming fish, the two rainbows and the drift controller of the current
// credits widget. A new credits widget fills it anew.

#include "gui/effects/EffectList.h"
#include "gui/effects/SwimmingFish.h"

#include <vector>

class CreditsColorDrift;

struct CreditsModuleState {
    static constexpr int kFishCount = 15;

    std::vector<SwimmingFish> fish;
    EffectList rainbows;
    // Owned by the controller manager; cleared when it is deleted.
    CreditsColorDrift* drift = nullptr;
};

CreditsModuleState& CreditsModule();
