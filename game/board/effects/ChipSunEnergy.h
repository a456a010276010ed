#pragma once

// The chips of a big group fly into the sun: each leaves its cell slowly,
// speeds into the sun shrinking and spinning with a fading trail, the later
// ones in the group a little later; the first to arrive charges the sun for
// the whole group, and the sun glows until the last has arrived.

#include "engine/render/SpriteAnimation.h"
#include "engine/util/Point.h"
#include "engine/util/SplinePath.h"
#include "game/board/effects/FieldEffect.h"

#include <vector>

class Sprite;

class ChipSunEnergy : public FieldEffect {
public:
    struct FlyingChip {
        int kind = 0;
        float startX = 0.0f;
        float startY = 0.0f;
        float progress = 0.0f;
        float rate = 0.0f; // per second
        SpriteAnimation anim;
        SplinePath<float> pathX;
        SplinePath<float> pathY;
        SplinePath<float> scale;
        float spin = 0.0f; // degrees over the whole flight
    };

    // The cells of the group; cells whose square is no chip are passed by.
    ChipSunEnergy(const std::vector<Point>& cells, GameField* field);

    // Moves the chips and the glow; the local time stays 0.
    void Update(float dt) override;
    // Not while a chip flies; once the glow after the arrivals has faded
    // (offering the sun's tip).
    bool IsFinished() override;
    void Draw() override;

    Sprite* _ball;
    std::vector<FlyingChip> _chips;
    bool _arrived = false;
    float _glow = 0.0f;
    int _glowSize = 0;
    bool _firstArrival = true;

private:
    void DrawChip(FlyingChip& chip);
};
