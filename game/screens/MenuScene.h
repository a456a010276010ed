#pragma once

// Everything the main menu's backdrop shows, kept for the whole run in one
// process-wide object so that it outlives the menu widget: the gem row and
// its flags, the weed strips, the fish tracks and the school, the swimming
// fish and the bubble fish, the light ray, the pictures, the effect lists,
// the hi-score panel's text and the screensaver tip's text. The menu widget
// builds it step by step (building a second menu widget adds to the lists
// again); the menu's idle controller moves it and the widget draws it.

#include "engine/render/Texture.h"
#include "game/screens/FishSchool.h"
#include "game/screens/MenuEffectsFile.h"
#include "game/screens/MenuGem.h"
#include "game/screens/MenuWave.h"
#include "gui/TextResource.h"
#include "gui/effects/EffectHandle.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/RayStrip.h"
#include "gui/effects/SwimmingFish.h"
#include "gui/effects/TextWithEffects.h"

#include <array>
#include <list>
#include <string>
#include <vector>

class BigTexture;
class Sprite;
class Player;

class MenuScene {
public:
    static constexpr int kGems = MenuEffectsData::kMaxGems;

    MenuScene() = default;
    MenuScene(const MenuScene&) = delete;
    MenuScene& operator=(const MenuScene&) = delete;

    // The building steps, in the order the menu widget takes them.
    // The text resource "ScreensaverTip" (none when it is not there).
    void LoadTipText();
    // "MENU_MASK", "COLONADA" (big textures), "FISH", "VODOR" (textures) and
    // "#HISCORE_PANEL"; a missing one stays null.
    void FindPictures();
    // textures\Shield\ray.jpg, ray1.jpg and ray2.jpg, uploaded.
    void LoadRayImages();
    // The ray from (0, 600) through (0, 300) to (0, 0), 35 wide, in 30
    // segments, scrolling -5 with the texture at 0.2 and a fade of 1.
    void BuildRay();
    void AddWaves(const MenuEffectsData& data);
    void AddTracks(const MenuEffectsData& data);
    // A school on a random track (none without tracks).
    void StartSchoolOnRandomTrack();
    void SpawnFish(int count);
    // The bubble fish with its "Bubbles" effect, on its first run.
    void StartBubbleFish();
    // The gem table, in file order, each with its picture.
    void SetGems(const MenuEffectsData& data);
    // Two "Rainbow" effects and the "FullRayGlow", started.
    void StartAmbientEffects();
    // HiScoresEffects.xml: the root's first "Text" child, its effects in the
    // panel list, every string in its finished state.
    void LoadPanelText(const std::string& fileName);

    // A gem of the table that can be drawn.
    bool HasGem(int index) const;
    // Gem progress as the active profile keeps it (menuParam1), held to
    // 0..7.
    static int GemsSet(const Player& player);
    // The gems a profile has earned: maxStage - 1, or all seven from the
    // second cycle on; held to 0..7.
    static int GemsEarned(const Player& player);
    void ClearGemFlags() { gemFlags.fill(false); }

    // The gem row.
    std::array<MenuGem, kGems> gems;
    int gemCount = 0;
    // A gem's burst or ray has fired in the current run.
    std::array<bool, kGems> gemFlags{};
    bool gemRun = false;
    bool syncRun = false;

    std::list<MenuWave> waves;
    std::vector<FishTrack> tracks;
    FishSchool school;
    std::vector<SwimmingFish> fish;
    SwimmingFish bubbleFish;
    EffectHandle bubbles;
    RayStrip ray;

    // Pictures of the resource manager (not owned).
    BigTexture* mask = nullptr;
    BigTexture* colonnade = nullptr;
    Texture* fishTexture = nullptr;
    Texture* waveTexture = nullptr;
    Sprite* panelPicture = nullptr;
    // ray.jpg, ray1.jpg, ray2.jpg.
    std::array<Texture, 3> rayImages;

    TextResource tipText;
    bool hasTipText = false;

    EffectList rainbowList;
    EffectList glowList;
    EffectList gemList;
    EffectList panelList;
    TextWithEffects panelText;
};

// The main menu's scene of this run (app/Globals.cpp).
extern MenuScene g_menuScene;
