#pragma once

// Interpolation, easing, periods and the scaled random values behind every
// random choice of effects and animations. The random values come from the
// game's one generator (Random.h).

int LerpInt(int a, int b, float t);
// A float from a file as an int: truncated toward zero, clamped to the int
// range (NaN gives 0), where a plain conversion would be undefined.
int TruncateToInt(float value);
float lerp(float a, float b, float t);
// Ease-in, linear, ease-out from 0 to 1; accel and decel are the shares of
// the span spent accelerating and decelerating.
float ease(float t, float accel, float decel);
// x minus the whole periods in it; keeps the sign of x.
float getPeriod(float x, float period);

// 0 to 1: the generator's value times the single-precision 1 / 32767.
float RandomUnit();
// The generator's value (0 to 32767) times factor, in single precision: a
// draw whose range is folded into one factor.
float RandomTimes(float factor);
// 0 up to just under max.
float RandomFloat(float max);
float RandomFloatRange(float min, float max);
// One of max entries: 0 to max - 1.
int RandomIndex(int max);
// min to max - 1.
int RandomIntRange(int min, int max);
