#include "game/screens/ShieldLightPath.h"

#include "engine/util/MathFunctions.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>
#include <cmath>

ShieldLightPath::ShieldLightPath(const LightPathSpec& entry)
    : number(entry.number)
    , points(entry.points)
{
    t = RandomTimes(3.048799e-5f);
    speed = 0.001f + RandomTimes(6.042665e-6f);
    if (!points.empty())
        position = points.front();
}

float ShieldLightPath::SegmentLength(int k) const
{
    if (k < 0 || k + 1 >= static_cast<int>(points.size()))
        return 0.0f;
    const Vector3& a = points[static_cast<std::size_t>(k)];
    const Vector3& b = points[static_cast<std::size_t>(k) + 1];
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

void ShieldLightPath::GoDark()
{
    if (ParticleEffect* light = effect.Get())
        light->Stop();
    effect = EffectHandle();
    running = false;
    t = 0.0f;
}

void ShieldLightPath::EnterSegment(int k, float distance)
{
    segment = k;
    const float length = SegmentLength(k);
    if (length > 0.0f) {
        speed = distance / length;
    } else {
        speed = 0.0f;
        t = 1.0f;
    }
}

void ShieldLightPath::Advance(float dt, EffectList& effects)
{
    if (points.size() < 2)
        return;
    glowTimer += dt;
    if (glowTimer >= 0.05f) {
        glowTimer = 0.0f;
        glowSize = RandomIndex(40) + 24;
        glowAlpha = RandomIndex(68) + 32;
    }
    t = t + (dt + 0.001f * t) * speed;
    if (t < 1.0f && running) {
        fade = std::min(1.0f, fade + dt);
        const Vector3& a = points[static_cast<std::size_t>(segment)];
        const Vector3& b = points[static_cast<std::size_t>(segment) + 1];
        position = a + (b - a) * t;
        if (ParticleEffect* light = effect.Get()) {
            light->posX = position.x;
            light->posY = position.y;
        }
    }
    if (t >= 1.0f)
        EndSegment(effects);
}

void ShieldLightPath::EndSegment(EffectList& effects)
{
    t = 0.0f;
    const int last = static_cast<int>(points.size()) - 2;
    if (running && segment < last) {
        dist += SegmentLength(segment) * 0.5f;
        EnterSegment(segment + 1, dist);
        if (segment == 1 && RandomIndex(3) == 0)
            effects.Add("ShieldStar", points[1].x, points[1].y);
    } else if (running) {
        if (ParticleEffect* light = effect.Get())
            light->Stop();
        effect = EffectHandle();
        effects.Add("ShieldBubbles", points.back().x, points.back().y);
        running = false;
        speed = 0.005f + RandomTimes(2.2583697e-6f);
    } else {
        fade = 0.0f;
        dist = 50.0f;
        running = true;
        position = points.front();
        EnterSegment(0, 50.0f);
        effect = effects.AddWithHandle("ShieldLight", points.front().x, points.front().y);
    }
}
