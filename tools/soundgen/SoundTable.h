#pragma once

// The game's sounds: each sample and music loop with its path in the game
// folder and the recipe that makes it.

#include "tools/soundgen/SampleBuffer.h"

#include <functional>
#include <string>
#include <vector>

// Every sound is mono at this rate.
constexpr int kSoundRate = 22050;

struct SoundRecipe {
    std::string path; // relative to the game folder, e.g. "data/sound/click.wav"
    std::function<SampleBuffer()> make;
};

const std::vector<SoundRecipe>& GameSounds();
