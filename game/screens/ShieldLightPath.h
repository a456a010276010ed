#pragma once

// A light that wanders over a lit gem of the shield: it waits, then runs
// along its path segment by segment, quickening as it goes, and ends in a
// puff of bubbles before it waits again. While it runs it carries the
// "ShieldLight" effect; passing its second point it may throw a star.
//
// Points are in screen space, y upward. A segment of no length is passed
// at once, so a repeated point never stalls the light.

#include "engine/util/Vector3.h"
#include "game/screens/ShieldDataFile.h"
#include "gui/effects/EffectHandle.h"

#include <vector>

class EffectList;

class ShieldLightPath {
public:
    // Draws its start along the first wait and its speed (two draws of the
    // game's generator, in that order).
    explicit ShieldLightPath(const LightPathSpec& entry);

    // Not live: the effect stopped and dropped, not running, t back to 0.
    void GoDark();
    // One frame of a live path; the effects it starts join `effects`.
    void Advance(float dt, EffectList& effects);

    float SegmentLength(int k) const;

    int number = 0;
    std::vector<Vector3> points;
    int segment = 0;
    bool running = false;
    float dist = 0.0f;
    float t = 0.0f;
    float speed = 0.0f;
    EffectHandle effect;
    float glowTimer = 0.0f;
    int glowSize = 0;
    int glowAlpha = 0;
    float fade = 0.0f;
    Vector3 position;

private:
    // Starts segment k `distance` points into the run: its speed covers the
    // segment in distance / length; a segment of no length is done at once.
    void EnterSegment(int k, float distance);
    void EndSegment(EffectList& effects);
};
