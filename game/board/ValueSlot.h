#pragma once

// The tip text drawn beside the pointer: the text shown, the one waiting to
// replace it, and a cross-fade between them. A pushed text waits until the
// shown one has faded out, then fades in; a cleared slot fades out and ends
// empty.

#include "gui/TextResource.h"

struct ValueSlot {
    // Alpha per second of the fades.
    static constexpr float kFadeRate = 1024.0f;

    // Shown at once (fading in) on an empty slot; otherwise next, after the
    // shown text has faded out.
    void Push(const TextBlock* text);
    // The shown text fades out and nothing follows it.
    void Clear();
    // One frame of the cross-fade.
    void Step(float dt);

    const TextBlock* _titleShown = nullptr;
    const TextBlock* _titleNext = nullptr;
    float _titleAlpha = 0.0f;
    bool _titleFading = false; // fading in
};
