#include "gui/effects/ParticleEffect.h"

void ParticleEffect::Reset()
{
    _finished = false;
    _time = 0.0f;
    for (ParticleSystem& system : _systems) {
        system._finished = false;
        system._waiting = true;
        // A stopped or dead-counted system emits again, so a reset effect
        // plays once more instead of finishing at once.
        system._respawn = true;
        system._dying = false;
        system._deadCount = 0;
        system._posX = posX;
        system._posY = posY;
        system.Restart();
    }
}

void ParticleEffect::Update(float dt)
{
    _time += dt;
    bool allFinished = true;
    for (ParticleSystem& system : _systems) {
        if (!system._finished)
            allFinished = false;
        if (_time >= system._bornTime && !system._finished) {
            if (system._waiting)
                system.Update(_time - system._bornTime);
            system._waiting = false;
        }
        if (!system._waiting) {
            system.Update(dt);
            if (system._needStartDeadCounter && system._elapsed >= system._deadCountTime) {
                system._dying = true;
                system._respawn = false;
            }
            if (system._deadCount == static_cast<int>(system._particles.size())) {
                system._waiting = true;
                system._finished = true;
            }
        }
    }
    if (allFinished)
        _finished = true;
}

void ParticleEffect::Draw()
{
    for (ParticleSystem& system : _systems) {
        if (system._waiting)
            continue;
        system._posX = posX;
        system._posY = posY;
        system.Draw();
    }
}

void ParticleEffect::Stop()
{
    for (ParticleSystem& system : _systems) {
        if (system._waiting) {
            system._finished = true;
        } else {
            system._dying = true;
            system._respawn = false;
        }
    }
}

void ParticleEffect::SetTint(float red, float green, float blue)
{
    for (ParticleSystem& system : _systems) {
        system._tint[0] = red;
        system._tint[1] = green;
        system._tint[2] = blue;
    }
}
