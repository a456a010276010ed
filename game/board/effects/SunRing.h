#pragma once

// A wave of coloured light through the sun's 18 ring pictures: each ring
// brightens to half and fades once, each a little later than the one
// inside it, swelling and tilting slightly as it goes.

#include "engine/util/Color.h"
#include "engine/util/SplinePath.h"
#include "game/board/effects/FieldEffect.h"

class Sprite;

class SunRing : public FieldEffect {
public:
    static constexpr int kRings = 18;

    // The spread is the lag of the outermost ring behind the first, as a
    // share of the curves.
    SunRing(GameField* field, float speed, Color colour, float spread);

    void Update(float dt) override { FieldEffect::Update(dt); }
    bool IsFinished() override { return _finished || IsTimeUp(); }
    void Draw() override;

    // The place on the curves of ring i (1 to 18) at local time t, 0..1.
    float RingPhase(int ring, float t) const;
    // The ring's alpha at local time t.
    int RingAlpha(int ring, float t) const;

    SplinePath<float> _alpha;
    SplinePath<float> _rotation;
    SplinePath<float> _scale;
    Color _colour;
    float _spread;
    Sprite* _rings[kRings] = {};
};
