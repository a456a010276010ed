#pragma once

// How the swimming fish of the main menu and of the credits get their runs:
// a track of keys straight across the screen at a random height, heading
// left or right, with a random sprite of the frame animations "fish0" ...
// Both use the game's random generator only.

class SwimmingFish;
class Vector3Path;

namespace MenuFish {

// Keys of a fresh track.
constexpr int kKeys = 7;

// A first placement: a track at height 350 to 560 (250 to 560 for a fish
// with wideHeight set) of the fish's key count (seven when it has none),
// keys 200 apart from x -200 rightward or from x 1000 leftward, each within
// 20 of the height; a sprite "fish0" to "fish3"; a random size, speed,
// animation rate and phase, and a light grey to white colour; at the start
// of its track.
void Place(SwimmingFish& fish);
// A swimming fish of the main menu at its start: drawn at half its size,
// placed anew at the end of each track, on a track of seven keys placed as
// above; then somewhere along its run: its phase drawn from 0 to 1, then its
// key index from 0 to keys - 3.
void Spawn(SwimmingFish& fish);
// A new random run: a speed of 1 to 1.3, a size of 0.5 to 0.7, a light
// colour, a track at height 150 to 400 with keys within 10 of it, and a
// sprite "fish0" to "fish4" other than the current one.
void Randomize(SwimmingFish& fish);
// The tangents of an open track: one-sided differences at the ends, half the
// difference of the neighbours inside.
void ComputeTangents(Vector3Path& track);

} // namespace MenuFish
