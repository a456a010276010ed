#pragma once

// The timing of the main menu's screensaver tip: it shows for 11 seconds
// (drawn from the first second on, fading out from 10.5), and 7 seconds in
// it counts as seen in the active profile. The pop-up scale runs along a
// curve 0.1, 1.1, 1.0.

#include "engine/util/SplinePath.h"

class Player;

class SaverTipClock {
public:
    SaverTipClock();

    void Start();
    // Sends a showing tip into its fade-out at once (time 10.51) unless it
    // is fading out already.
    void Hide();
    // While showing: the time grows by dt; between 7 and 10.5 the profile's
    // showSSTip is set; at 11 the tip is over (time 0).
    void Update(float dt, Player& player);

    bool showing = false;
    float time = 0.0f;
    SplinePath<float> scale;
};
