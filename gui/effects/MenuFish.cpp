#include "gui/effects/MenuFish.h"

#include "engine/render/DrawRoutines.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "gui/effects/SwimmingFish.h"

#include <string>

namespace MenuFish {

namespace {

// Keys 200 apart across the screen, each within jitter of the height.
void LayOutTrack(SwimmingFish& fish, float height, float jitter)
{
    if (fish.track.keys.empty())
        fish.track.keys.resize(kKeys);
    const bool rightward = RandomInt() < 16384;
    for (std::size_t i = 0; i < fish.track.keys.size(); ++i) {
        const float step = 200.0f * static_cast<float>(i);
        const float x = rightward ? -200.0f + step : 1000.0f - step;
        fish.track.keys[i].position = Vector3(x, height + RandomFloatRange(-jitter, jitter), 0.0f);
    }
    ComputeTangents(fish.track);
}

void SetSprite(SwimmingFish& fish, int index)
{
    fish.spriteIndex = index;
    const auto* entry = g_resourceManager.FindFrameAnimation("fish" + std::to_string(index));
    fish.frames = entry ? entry->object.get() : nullptr;
}

Color LightColor()
{
    Color c = RandomColorBetween(Color(220, 220, 220, 255), Color(255, 255, 255, 255));
    c.a = 255;
    return c;
}

} // namespace

void Place(SwimmingFish& fish)
{
    const float height = fish.wideHeight ? 250.0f + static_cast<float>(RandomInt()) * 0.009460738f
                                         : 350.0f + static_cast<float>(RandomInt()) * 0.0064088563f;
    LayOutTrack(fish, height, 20.0f);
    SetSprite(fish, RandomIndex(4));
    fish.scale = 0.4f + 0.399f * RandomUnit();
    if (fish.scale < 0.7f)
        fish.scale *= 0.8f;
    const float r = 0.1f + 0.199f * RandomUnit();
    fish.speed = r * fish.scale;
    fish.animationRate = 18.0f * r;
    fish.phase = static_cast<float>(RandomInt()) * 3.0182806e-5f;
    fish.color = LightColor();
    fish.t = 0.0f;
    fish.sector = 0;
}

void Spawn(SwimmingFish& fish)
{
    fish.sizeFactor = 0.5f;
    fish.replace = true;
    fish.wideHeight = false;
    fish.track.keys.resize(kKeys);
    Place(fish);
    fish.t = static_cast<float>(RandomInt()) * 3.0182806e-5f;
    fish.sector = RandomIndex(static_cast<int>(fish.track.keys.size()) - 2);
}

void Randomize(SwimmingFish& fish)
{
    fish.speed = 1.0f + static_cast<float>(RandomInt()) * 0.000009125f;
    fish.scale = 0.5f + static_cast<float>(RandomInt()) * 0.00000607f;
    fish.color = LightColor();
    const float height = 150.0f + static_cast<float>(RandomInt()) * 0.00763f;
    LayOutTrack(fish, height, 10.0f);
    int index = RandomIndex(5);
    while (index == fish.spriteIndex)
        index = RandomIndex(5);
    SetSprite(fish, index);
}

void ComputeTangents(Vector3Path& track)
{
    auto& keys = track.keys;
    const std::size_t n = keys.size();
    if (n < 2)
        return;
    keys[0].tangent = keys[1].position - keys[0].position;
    keys[n - 1].tangent = keys[n - 1].position - keys[n - 2].position;
    for (std::size_t i = 1; i + 1 < n; ++i)
        keys[i].tangent = (keys[i + 1].position - keys[i - 1].position) * 0.5f;
}

} // namespace MenuFish
