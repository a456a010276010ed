#pragma once

// Writes a buffer through libsndfile as 16-bit PCM WAV or, for names ending
// in ".ogg", as Ogg Vorbis. Samples beyond -1..1 are clipped.

#include "tools/soundgen/SampleBuffer.h"

#include <string>

bool WriteSound(const std::string& path, const SampleBuffer& buffer, std::string& error);
