#include "gui/effects/SwimmingFish.h"

#include "engine/util/Random.h"
#include "gui/effects/MenuFish.h"

SwimmingFish::SwimmingFish()
{
    path = &track;
}

SwimmingFish::SwimmingFish(const SwimmingFish& other)
    : Fish(other), speed(other.speed), animationRate(other.animationRate), replace(other.replace),
      wideHeight(other.wideHeight), spriteIndex(other.spriteIndex), track(other.track)
{
    path = &track;
}

SwimmingFish& SwimmingFish::operator=(const SwimmingFish& other)
{
    if (this == &other)
        return *this;
    Fish::operator=(other);
    speed = other.speed;
    animationRate = other.animationRate;
    replace = other.replace;
    wideHeight = other.wideHeight;
    spriteIndex = other.spriteIndex;
    track = other.track;
    path = &track;
    return *this;
}

void SwimmingFish::Init()
{
    sizeFactor = 0.8f;
    animationRate = 3.0f;
    replace = true;
    wideHeight = true;
    track.keys.resize(MenuFish::kKeys);
    MenuFish::Place(*this);
    t = static_cast<float>(RandomInt()) * 3.0182806e-5f;
    const float r = static_cast<float>(RandomInt()) * 3.051851e-5f;
    sector = static_cast<int>(r * (static_cast<float>(static_cast<int>(track.keys.size()) - 2) - 0.001f));
}

void SwimmingFish::Update(float dt)
{
    t += dt * speed * 1.14f;
    phase += dt * animationRate * speed;
    if (phase > 1.0f)
        phase -= 1.0f;
    if (t > 1.0f) {
        t -= 1.0f;
        ++sector;
        if (sector >= static_cast<int>(track.keys.size()) - 1) {
            if (replace)
                MenuFish::Place(*this);
            else
                MenuFish::Randomize(*this);
            sector = 0;
        }
    }
}
