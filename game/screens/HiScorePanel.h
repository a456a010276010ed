#pragma once

// The hi-score panel of the main menu: after 30 idle seconds it slides in
// from the left, shows the ten best results for 10 seconds (or until a click
// on the backdrop) and slides out. The publisher's logo is switched off
// (through g_logoWidget) for the whole time the panel is out.

#include "engine/util/SplinePath.h"
#include "game/state/HiScoresElem.h"

#include <vector>

class TextWithEffects;

class HiScorePanel {
public:
    enum State { kHidden = 0, kSlidingIn = 1, kShown = 2, kSlidingOut = 3 };
    static constexpr int kRows = 10;

    // Hidden, the idle clock running; the slide -450, 45, 25.
    HiScorePanel();

    // The timer grows by dt while the idle clock runs or the panel is out;
    // then the state moves on: hidden to sliding in at 30 s (logo off),
    // sliding in to shown at 1 s (rows filled, the text started again),
    // shown to sliding out at 10 s, sliding out to hidden at 1 s (logo on).
    // While shown or sliding out the text runs by dt.
    void Update(float dt, TextWithEffects& text);
    // The menu's idle message: the clock runs while the parameter is above
    // 0; while hidden the count starts again.
    void Tick(int parameter);
    // A click on the backdrop sends a shown panel out; true when it did.
    bool Click();
    // Its left edge now (slide at the timer in, at 1 - timer out, 25 shown).
    float X() const;

    // The strings "Name1".."Name10", "Value1".., "Adventure1".. of the text
    // from the hi-score table, best first (the name; the score; "Cycle" and
    // the cycle); rows past the table are blank. Strings that are missing
    // are made.
    static void FillRows(TextWithEffects& text, const std::vector<HiScoresElem>& table);

    int state = kHidden;
    float timer = 0.0f;
    bool idleClockRunning = true;
    SplinePath<float> slide;

private:
    void Leave(int next);
};
