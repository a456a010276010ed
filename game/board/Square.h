#pragma once

// One chip on the board: its cell, its kind, its frame animation (the
// "ChipAnim" + colour sheet of the resource manager for a matchable kind),
// its point on the screen relative to the board origin, its alpha and its
// own small bounce after a fall.
//
// The state operations take the square by pointer and do nothing on null.

#include "engine/render/SpriteAnimation.h"
#include "engine/util/Vector3.h"

class Square {
public:
    // The highlight frames of the chip sheets.
    static constexpr int kHighlightFirst = 36;
    static constexpr int kHighlightLast = 71;

    // Draws the random phase, then the random rate; starts the animation.
    Square(int cellX, int cellY, float screenX, float screenY, int kind);

    // A matchable kind takes a copy of its colour's animation, filtered; a
    // kind below 48 rests on frame 0, stopped.
    void StartChipAnim();
    // The bounce of a landed square, then the animation; a highlight whose
    // animation has stopped ends on frame 0.
    void Update(float dt);

    // A plain chip plays its selection frames 0 to 35, looping.
    static void Select(Square* square);
    // A kind below 48 rests on frame 0, stopped.
    static void Deselect(Square* square);
    // A kind below 48 returns to the stored frame, not looping.
    static void RestoreFrame(Square* square);
    // An unselected kind below 48 that is not highlighted yet plays its
    // highlight frames 36 to 71 once.
    static void PlayHighlight(Square* square);

    // The bounce a fall prepares: speed, duration, gravity, resting height.
    void SetBounce(float speed, float duration, float gravity, float restY);
    // The square landed and bounces by itself (a fall hands it over).
    void StartBounce();
    // Ends a bounce at once, at the resting height.
    void StopBounce();
    bool IsBouncing() const { return landed; }

    int x;
    int y;
    int kind;
    SpriteAnimation anim;
    int storedFrame = 0;
    Vector3 position;
    float alpha = 1.0f;
    float phase = 0.0f;
    float phaseRate = 0.0f;

    // The bounce after a fall: y = restY - t b - g t^2 / 2 until t reaches
    // the duration.
    bool landed = false;
    float bounceTime = 0.0f;
    float bounceDuration = 0.0f;
    float bounceSpeed = 0.0f;
    float gravity = 0.0f;
    float restY = 0.0f;

    bool selected = false;
    bool highlighted = false;
};
