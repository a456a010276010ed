#pragma once

// A square broken into spinning shards that fly apart, pushed to one side
// or down, and fade. The square is taken off the board and freed when the
// effect is made; the shards are cut from the board's shard pictures (one
// row of eight per colour; the covers, colours 12 and above, from the
// second picture).

#include "game/board/effects/FieldEffect.h"

#include <vector>

class SquareDestroyerShatter : public FieldEffect {
public:
    struct Shard {
        float x; // screen points
        float y;
        float speedX;
        float speedY;
        float accelY;
        float angle; // degrees
        float spin;  // degrees per second
        float index;
    };

    // Four shards with a sideways push, eight without.
    SquareDestroyerShatter(Square* square, GameField* field, int pushX, int pushY);

    void Update(float dt) override;
    bool IsFinished() override { return _finished || IsTimeUp(); }
    void Draw() override;

    // Opaque up to local time 0.2, then fading to 0 at 1.
    float Alpha() const;

    int _colour;
    float _topV;
    std::vector<Shard> _shards;
};
