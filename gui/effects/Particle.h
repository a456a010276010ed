#pragma once

// One particle: its life, its age (negative while it waits for its start),
// the emitter position it was born at, and its eight animated values.

#include "gui/effects/ParticleParam.h"

struct Particle {
    float _life = 0.0f;
    float _age = 0.0f;
    float _baseX = 0.0f;
    float _baseY = 0.0f;
    bool _alive = true;
    ParticleParam _x;
    ParticleParam _y;
    ParticleParam _size;
    ParticleParam _angle;
    ParticleParam _red;
    ParticleParam _green;
    ParticleParam _blue;
    ParticleParam _alpha;
};
