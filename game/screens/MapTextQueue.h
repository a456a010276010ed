#pragma once

// The short texts about levels shown at the foot of the world map. A new
// text is queued behind the one shown; the queue then scrolls (or, after a
// click on a waypoint, cross-fades) until only the newest text is left.
// The texts belong to the map.

#include "engine/util/SplinePath.h"
#include "gui/TextResource.h"

#include <vector>

class MapTextQueue {
public:
    // The distance one text scrolls: the height of the text view port.
    static constexpr float kScrollStep = 140.0f;

    // Shows only this text at once, in its place even when a scroll was
    // under way; null changes nothing.
    void Set(const TextBlock* text);
    // Queues the text; null, or the text that is last already, changes nothing.
    void Push(const TextBlock* text);
    // Starts a scroll when more than one text waits (and does nothing else
    // that frame), or moves a running scroll on.
    void Update(float dt);

    bool Empty() const { return texts.empty(); }
    const TextBlock* Last() const { return texts.empty() ? nullptr : texts.back(); }

    std::vector<const TextBlock*> texts;
    float scrollOffset = 0.0f;
    float transition = 0.0f;
    SplinePath<float> scroll;
    bool scrolling = false;
    int lastIndex = 0;
    bool crossFade = false;
};
