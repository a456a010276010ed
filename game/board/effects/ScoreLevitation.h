#pragma once

// The points of a match floating up from where it happened: the text grows
// in, climbs 20 points in the font "scores" and fades. A chain's count ("x3")
// comes with the "ChainLetter" sparks; a silent text has none and shrinks
// back to nothing at its end.

#include "engine/util/Point.h"
#include "engine/util/SplinePath.h"
#include "game/board/effects/FieldEffect.h"

#include <string>

class ScoreLevitation : public FieldEffect {
public:
    // The text centred at a screen point; a higher chain level draws it
    // larger.
    ScoreLevitation(const std::string& text, const Point& at, GameField* field, int chainLevel, bool silent);

    void Update(float dt) override { FieldEffect::Update(dt); }
    bool IsFinished() override { return FieldEffect::IsFinished(); }
    void Draw() override;

    // The text's scale and alpha at local time t.
    float ScaleAt(float t) const { return _scale.getGlobalFrame(t) * _size; }
    int AlphaAt(float t) const;

    Point _point;
    std::string _text;
    SplinePath<float> _scale;
    SplinePath<float> _alpha;
    bool _silent;
    float _size;
};
