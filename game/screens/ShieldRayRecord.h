#pragma once

// The ray that comes down on a gem while it is switched on: a ribbon from
// 400 points above the gem down to it, in the gem's colour with three white
// passes over it. RayGem.xml gives each gem the ray's foot and colour; the
// record knows which gem's ray is drawn and how far it has come.

#include "engine/render/Sprite.h"
#include "game/screens/RayGemFile.h"
#include "gui/effects/RayStrip.h"

#include <string>
#include <vector>

class ShieldRayRecord {
public:
    ShieldRayRecord() = default;
    ShieldRayRecord(const ShieldRayRecord&) = delete;
    ShieldRayRecord& operator=(const ShieldRayRecord&) = delete;

    // The entries of the file, the ribbon laid out (30 segments, 60 wide,
    // scrolling -5 with the texture at 0.2 and a fade of 1) and the two ray
    // pictures loaded.
    void Load(const std::string& fileName);

    // The entry of gem k, or null when the file gave none.
    const RayGemEntry* Entry(int k) const;
    // Gem k's ray from its start.
    void Select(int k);

    // The current gem's ray at the current progress, additive, its frame
    // moved to the ray's foot; nothing for a gem without an entry. Leaves
    // the blend normal and the colour white.
    void Draw();

    std::vector<RayGemEntry> entries;
    int index = 0;
    float progress = 0.0f;
    RayStrip strip;
    OwnedSprite ray;      // textures\Shield\ray.jpg
    OwnedSprite rayGlow;  // textures\Shield\ray1.jpg
};
