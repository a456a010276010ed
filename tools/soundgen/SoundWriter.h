#pragma once

// Writes a buffer through libsndfile as 16-bit PCM WAV or, for names ending
// in ".ogg", as Ogg Vorbis. Samples beyond -1..1 are clipped. The Ogg
// stream's serial number (which the library draws at random) is set to a
// fixed value, so the same sound always gives the same file.

#include "tools/soundgen/SampleBuffer.h"

#include <string>

bool WriteSound(const std::string& path, const SampleBuffer& buffer, std::string& error);
