#pragma once

// A life is added: after a second's wait the panel's life icons beat three
// times in light, with sparks at the icons and the "AddLife" sample. The
// life itself is counted at once.

#include "game/board/effects/FieldEffect.h"

class LifeBonus : public FieldEffect {
public:
    explicit LifeBonus(GameField* field);

    void Update(float dt) override;
    bool IsFinished() override { return _finished || IsTimeUp(); }
    void Draw() override;

    // The beat at local time t: 1.0 to 1.1.
    static float Beat(float t);
};
