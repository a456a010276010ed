#pragma once

// The clock that spaces the knock of landing chips, one for every board: the
// boards' observers advance it once a frame, and a landing chip knocks only
// when it has run 0.6 seconds since the last knock.

class ChipKnockClock {
public:
    static constexpr float kKnockInterval = 0.6f;

    // Back to 0 (a board is built).
    static void Reset();
    // Grows by dt while below 1.
    static void Advance(float dt);
    // True, and the clock back to 0, when a knock may sound now.
    static bool TakeKnock();
    static float Value();
};
