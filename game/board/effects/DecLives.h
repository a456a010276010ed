#pragma once

// A life icon of the board's panel breaks when a life is lost: it stands a
// second, trembles harder for two more, then its two halves fly apart,
// spinning, and fall off the bottom of the screen, fading. The life is taken
// at once when the panel shows the icons one by one (fewer than four), else
// when the halves fly apart, and in any case when the effect goes.

#include "game/board/effects/FieldEffect.h"

class DecLives : public FieldEffect {
public:
    struct Half {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
        float speedX = 0.0f;
        float speedY = 0.0f;
        float accelerationY = 0.0f;
        float angle = 0.0f;
        float spin = 0.0f;
        float alpha = 255.0f;
    };
    // Up to this many lives the panel draws each icon.
    static constexpr int kIconsShown = 4;

    explicit DecLives(GameField* field);
    // Takes the life if it was not taken yet.
    ~DecLives() override;

    void Update(float dt) override;
    // Both halves below the screen.
    bool IsFinished() override;
    void Draw() override;

    Half _halves[2];
    float _elapsed = 0.0f;
    float _shakeClock = 0.0f;
    bool _lifeTaken = false;
    int _livesAtStart = 0;
    float _iconX = 0.0f;

private:
    void TakeLife();
};
