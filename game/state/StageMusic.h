#pragma once

// The music of one stage: the track played when the stage starts and the one
// that follows it, with their timing.

#include <string>

struct StageMusic {
    std::string startMusic;
    std::string mainMusic;
    float mainMusicDelay = 0.0f;
    float startFadeSpeed = 0.0f;
    float mainFadeSpeed = 0.0f;
};
