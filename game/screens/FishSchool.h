#pragma once

// A school of small fish seen in perspective behind and in front of the main
// menu's colonnade. Every fish follows its own copy of one track, each key
// moved at random within the track's allowance, and swims until the end of
// its track, where it stops being drawn. The school's time (in the track's
// keys) tells its owner when to start a new school.

#include "engine/render/PathQuad.h"
#include "engine/util/Vector3Path.h"
#include "game/screens/FishTrack.h"

#include <vector>

class FishSchool {
public:
    struct Member {
        PathQuad quad;
        Vector3Path track;
    };

    FishSchool() = default;
    FishSchool(const FishSchool&) = delete;
    FishSchool& operator=(const FishSchool&) = delete;

    // Starts a new school on the track: numFishes fish set off afresh
    // (InitRandomSpriteState, one after another), then each takes its copy of
    // the track with every key moved by up to the key's allowance on x, y
    // and z (drawn in that order), tangents for an open path. A track of
    // fewer than three keys makes no school. The school's time is 0.
    void Build(const FishTrack& track);
    // The school's time grows by dt x speed; every fish swims by the same step.
    void Update(float dt);
    // The fish farther than -60 in z (front false) or nearer (front true), in
    // the perspective view of the menu, with the texture the caller bound.
    // The projection and world transforms are restored afterwards.
    void Draw(bool front) const;

    // A fish's step: along its key by step x its speed x 1.14, its swing by
    // step x 7 (wrapping at 1); at the end of a key the next one, and at key
    // index keys - 2 it stops (inactive, index 0).
    static void StepFish(PathQuad& fish, float step, int keys);

    std::vector<Member> fish;
    float speed = 1.0f;
    float time = 0.0f;
    // The track's keys - 1.
    int lastKey = 0;
};
