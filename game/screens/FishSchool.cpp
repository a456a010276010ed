#include "game/screens/FishSchool.h"

#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"
#include "gui/effects/MenuFish.h"

#include <algorithm>
#include <cmath>

void FishSchool::Build(const FishTrack& track)
{
    time = 0.0f;
    speed = track.timeScale;
    const int keys = static_cast<int>(std::min(track.positions.size(), track.velocities.size()));
    if (keys < 3 || track.numFishes <= 0) {
        fish.clear();
        lastKey = keys > 0 ? keys - 1 : 0;
        return;
    }
    fish.assign(static_cast<std::size_t>(track.numFishes), Member());
    for (Member& member : fish) {
        InitRandomSpriteState(member.quad);
        member.quad.path = &member.track;
    }
    lastKey = keys - 1;
    for (Member& member : fish) {
        member.track.keys.resize(static_cast<std::size_t>(keys));
        for (int k = 0; k < keys; ++k) {
            const Vector3& allowance = track.velocities[static_cast<std::size_t>(k)];
            const Vector3 offset = RandomPointBetween(-allowance, allowance);
            member.track.keys[static_cast<std::size_t>(k)].position = track.positions[static_cast<std::size_t>(k)] + offset;
        }
        MenuFish::ComputeTangents(member.track);
    }
}

void FishSchool::StepFish(PathQuad& fish, float step, int keys)
{
    if (!fish.enabled)
        return;
    fish.t += step * fish.speed * 1.14f;
    fish.phase += step * 7.0f;
    if (fish.phase >= 1.0f)
        fish.phase -= std::floor(fish.phase); // back into 0..1, however long the frame
    if (fish.t >= 1.0f) {
        fish.t -= 1.0f;
        ++fish.sector;
        if (fish.sector >= keys - 2) {
            fish.enabled = false;
            fish.sector = 0;
        }
    }
}

void FishSchool::Update(float dt)
{
    time += dt * speed;
    for (Member& member : fish)
        StepFish(member.quad, dt * speed, static_cast<int>(member.track.keys.size()));
}

void FishSchool::Draw(bool front) const
{
    if (fish.empty())
        return;
    RenderDevice& device = g_renderDevice;
    device.SetMatrixMode(RenderDevice::kProjection);
    device.PushMatrix();
    device.SetPerspectiveOffCenter(-4.0f, 4.0f, -3.0f, 3.0f, 4.0f, 1000.0f);
    device.SetMatrixMode(RenderDevice::kWorld);
    device.PushMatrix();
    device.LoadIdentity();
    device.Translate(Vector3(-400.0f, -300.0f, -400.0f));
    for (const Member& member : fish)
        member.quad.Draw(front);
    device.PopMatrix();
    device.SetMatrixMode(RenderDevice::kProjection);
    device.PopMatrix();
    device.SetMatrixMode(RenderDevice::kWorld);
}
