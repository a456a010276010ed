#pragma once

// A chain word turning in from a half turn, growing and fading: a picture
// ("Chain1".."Chain3" lettering) with its shadow, or the text itself in the
// font "Letter" when there is no picture.

#include "engine/render/Rect.h"
#include "engine/util/Point.h"
#include "engine/util/SplinePath.h"
#include "game/board/effects/FieldEffect.h"

#include <string>

class Sprite;

class ComboText : public FieldEffect {
public:
    // The picture (or null) is width x height of its own pixels, centred on
    // the point.
    ComboText(const std::string& text, const Point& at, GameField* field, Sprite* picture, int width, int height);

    void Update(float dt) override { FieldEffect::Update(dt); }
    bool IsFinished() override { return FieldEffect::IsFinished(); }
    void Draw() override;

    int AlphaAt(float t) const;
    float ScaleAt(float t) const { return 0.8f * _scale.getGlobalFrame(t); }
    float RotationAt(float t) const { return _rotation.getGlobalFrame(t); }

    Point _point;
    std::string _text;
    SplinePath<float> _scale;
    SplinePath<float> _alpha;
    SplinePath<float> _rotation;
    Sprite* _picture;
    Rect _quad;
    float _uRight = 1.0f;
    // The picture's part of its texture: u 0.._uRight, v _vLow..1.
    float _vLow = 0.0f;

private:
    void DrawText(float s, float r, int a);
    void DrawPicture(float s, float r, int a);
};
