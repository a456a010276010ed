#pragma once

// A sparkling frame about cells (a hint or a tip): small pieces every four
// points along its edges swell, shrink and wobble in a running wave. After
// its duration it fades out, but never while a tip window is shown. A
// duration of 0 or less makes an endless frame, which stays until it is
// stopped.

#include "engine/render/Rect.h"
#include "engine/util/Color.h"
#include "game/board/effects/FieldEffect.h"

class Sprite;

class SimpleFrame : public FieldEffect {
public:
    SimpleFrame(int x, int y, int width, int height, Color colour, GameField* field, float duration);

    void Update(float dt) override;
    bool IsFinished() override;
    void Draw() override;

    bool IsEndless() const { return _duration <= 0.0f; }
    // The pieces' centres with their sizes, in drawing order.
    int PieceCount() const;

    Rect _rect;
    int _spacing = 4;
    Sprite* _piece;
    float _fade = 1.0f;
    float _phase = 0.0f;
    float _startPhase;
    Color _colour;
    float _duration;
};
