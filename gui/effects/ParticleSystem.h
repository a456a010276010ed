#pragma once

// A textured emitter of up to 300 particles, each a rotated, coloured square
// whose position, size, angle and colour follow the system's parameter
// templates over its life. Descriptions live in the particle library; every
// running effect holds its own copies. All systems draw through the shared
// particle batch, one upload and one draw call per system.

#include "gui/effects/Particle.h"

#include <cstdint>
#include <memory>
#include <vector>

class Texture;

class ParticleSystem {
public:
    static constexpr int kMaxParticles = 300;

    // Every particle waits again for its start: delay, life and values drawn
    // anew at the emitter position.
    void Restart();
    // Ages every particle by dt, rebirths or ends the expired ones and moves
    // the rest along their parameters.
    void Update(float dt);
    // Writes the living particles into the shared batch and draws them.
    void Draw();
    // The particle count, cut to 0..300; the particles drawn as by Restart.
    void SetParticleCount(int count);
    // The description part of another system: everything but the start
    // settings (born time, dead counter, waiting and finished flags).
    void CopyDescription(const ParticleSystem& other);
    // Six vertices of quad n of the shared batch.
    static void WriteQuad(int n, float cx, float cy, float w, float h, float angle, std::uint32_t argb);
    // A channel of a particle: trunc(tint x value), kept to 0..255.
    static int ClampChannel(float tint, float value);

    std::vector<Particle> _particles;
    float _lifeInitial = 0.0f;
    float _lifeVariation = 0.0f;
    float _elapsed = 0.0f;
    float _startTime = 0.0f;
    // Shared by the library's description and every copy; never released by them.
    std::shared_ptr<Texture> _texture;
    bool _respawn = true;
    bool _dying = false;
    int _deadCount = 0;
    bool _additive = false;
    ParticleParam _paramX;
    ParticleParam _paramY;
    ParticleParam _paramSize;
    ParticleParam _paramAngle;
    ParticleParam _paramRed;
    ParticleParam _paramGreen;
    ParticleParam _paramBlue;
    ParticleParam _paramAlpha;
    float _tint[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float _posX = 0.0f;
    float _posY = 0.0f;
    bool _linkedParticles = false;
    float _bornTime = 0.0f;
    bool _needStartDeadCounter = false;
    float _deadCountTime = 0.0f;
    bool _waiting = true;
    bool _finished = false;

private:
    void Rebirth(Particle& particle);
};
