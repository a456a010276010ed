#include "gui/effects/ParticleSystem.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Texture.h"
#include "engine/render/VertexBatch.h"
#include "engine/util/MathFunctions.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The eight parameters of a particle, in their fixed order.
std::array<ParticleParam*, 8> ParamsOf(Particle& p)
{
    return {&p._x, &p._y, &p._size, &p._angle, &p._red, &p._green, &p._blue, &p._alpha};
}

void ResetParams(Particle& p)
{
    for (ParticleParam* param : ParamsOf(p))
        param->Reset();
}

} // namespace

void ParticleSystem::Restart()
{
    _elapsed = 0.0f;
    for (Particle& p : _particles) {
        p._age = -RandomFloat(_startTime);
        p._alive = true;
        p._life = ParticleRandom(_lifeInitial - _lifeVariation, _lifeInitial + _lifeVariation);
        p._x = _paramX;
        p._y = _paramY;
        p._size = _paramSize;
        p._angle = _paramAngle;
        p._red = _paramRed;
        p._green = _paramGreen;
        p._blue = _paramBlue;
        p._alpha = _paramAlpha;
        p._baseX = _posX;
        p._baseY = _posY;
        ResetParams(p);
    }
}

void ParticleSystem::Rebirth(Particle& p)
{
    p._age = 0.0f;
    p._life = ParticleRandom(_lifeInitial - _lifeVariation, _lifeInitial + _lifeVariation);
    p._baseX = _posX;
    p._baseY = _posY;
    ResetParams(p);
}

void ParticleSystem::Update(float dt)
{
    _elapsed += dt;
    for (Particle& p : _particles) {
        if (p._age < 0.0f) {
            p._baseX = _posX;
            p._baseY = _posY;
        }
        p._age += dt;
        // A life of 0 or less ends the particle as soon as it has started.
        if (p._age >= 0.0f && p._age >= p._life) {
            if (_dying && p._alive)
                ++_deadCount;
            if (_respawn) {
                Rebirth(p);
            } else {
                p._alive = false;
                p._age = 0.0f;
            }
        }
        if (p._age >= 0.0f && p._alive && p._life > 0.0f) {
            const float f = p._age / p._life;
            for (ParticleParam* param : ParamsOf(p))
                param->Update(dt, f);
        }
    }
}

int ParticleSystem::ClampChannel(float tint, float value)
{
    const float v = tint * value;
    if (!(v > 0.0f))
        return 0;
    if (v >= 255.0f)
        return 255;
    return static_cast<int>(v);
}

void ParticleSystem::WriteQuad(int n, float cx, float cy, float w, float h, float angle, std::uint32_t argb)
{
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float hw = w / 2.0f;
    const float hh = h / 2.0f;
    struct Corner {
        float dx, dy, u, v;
    };
    const Corner corners[6] = {{-hw, -hh, 0.0f, 0.0f}, {hw, -hh, 1.0f, 0.0f}, {-hw, hh, 0.0f, 1.0f},
                               {hw, -hh, 1.0f, 0.0f},  {-hw, hh, 0.0f, 1.0f}, {hw, hh, 1.0f, 1.0f}};
    Vertex* out = &g_particleBatch.vertices[static_cast<std::size_t>(n) * 6];
    for (const Corner& k : corners) {
        out->x = cx + c * k.dx - s * k.dy;
        out->y = cy + s * k.dx + c * k.dy;
        out->z = 0.0f;
        out->diffuse = argb;
        out->u = k.u;
        out->v = k.v;
        ++out;
    }
}

void ParticleSystem::Draw()
{
    const std::size_t room = g_particleBatch.vertices.size() / 6;
    if (room == 0)
        return;
    if (_texture) {
        _texture->Bind();
    } else {
        g_renderDevice.EnableTexture(false);
    }
    g_renderDevice.SetBlendMode(_additive ? 2 : 1);
    int n = 0;
    for (Particle& p : _particles) {
        if (!(p._age >= 0.0f && p._alive && p._life > 0.0f))
            continue;
        if (static_cast<std::size_t>(n) >= room)
            break;
        const std::uint32_t a = static_cast<std::uint32_t>(ClampChannel(_tint[3], p._alpha._value));
        const std::uint32_t r = static_cast<std::uint32_t>(ClampChannel(_tint[0], p._red._value));
        const std::uint32_t g = static_cast<std::uint32_t>(ClampChannel(_tint[1], p._green._value));
        const std::uint32_t b = static_cast<std::uint32_t>(ClampChannel(_tint[2], p._blue._value));
        if (_linkedParticles) {
            p._baseX = _posX;
            p._baseY = _posY;
        }
        const float size = 2.0f * p._size._value;
        WriteQuad(n, p._baseX + p._x._value, p._baseY + p._y._value, size, size, p._angle._value,
                  (a << 24) | (r << 16) | (g << 8) | b);
        ++n;
    }
    g_particleBatch.vertexCount = static_cast<std::uint32_t>(n) * 6;
    if (n > 0) {
        g_particleBatch.Upload();
        g_renderDevice.DrawVertexBuffer(g_particleBatch);
    }
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}

void ParticleSystem::SetParticleCount(int count)
{
    count = std::clamp(count, 0, kMaxParticles);
    _particles.assign(static_cast<std::size_t>(count), Particle());
    Restart();
}

void ParticleSystem::CopyDescription(const ParticleSystem& other)
{
    const float bornTime = _bornTime;
    const bool needStartDeadCounter = _needStartDeadCounter;
    const float deadCountTime = _deadCountTime;
    const bool waiting = _waiting;
    const bool finished = _finished;
    *this = other;
    _bornTime = bornTime;
    _needStartDeadCounter = needStartDeadCounter;
    _deadCountTime = deadCountTime;
    _waiting = waiting;
    _finished = finished;
}
