#pragma once

// A fish that swims by itself: the shared floating sprite on a key track of
// its own, with a speed and an animation rate. At the end of its track it
// is placed anew, or given a new random run (MenuFish). The credits and the
// menu keep lists of them. This is the Fish of the screens (Fish::Init,
// Fish::Update); the engine's Fish is the drawing part.

#include "engine/render/Fish.h"
#include "engine/util/Vector3Path.h"

class SwimmingFish : public Fish {
public:
    SwimmingFish();
    // The copy swims on its own copy of the track.
    SwimmingFish(const SwimmingFish& other);
    SwimmingFish& operator=(const SwimmingFish& other);

    // The start of a credits fish: drawn at 0.8 of its size, animated at
    // 3 frames' worth a second, placed anew at the end of each track (in
    // the wider height band), with a track of seven keys laid out by the
    // menu's placement; then spread at random along its run.
    void Init();
    // Moves along the track and through the frames.
    void Update(float dt);

    float speed = 0.0f;
    float animationRate = 1.6f;
    // At the end of the track: placed anew (set) or given a new run.
    bool replace = false;
    // Placed between heights 250 and 560 instead of 350 and 560.
    bool wideHeight = false;
    // The frame animation "fish" + spriteIndex that frames points to.
    int spriteIndex = -1;
    Vector3Path track;
};
