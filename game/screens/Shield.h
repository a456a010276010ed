#pragma once

// The shield screen (layer files name it "Shield"): a shield with seven
// gems, one per stage of the voyage. A gem is lit once its stage has been
// passed; an artefact won on the board is handed over here ("SetTakedArtefact",
// "AcceptArtefact"), set by a click, and switches its gem on with a ray from
// above. Hovering a lit gem shows its artefact's picture and a parchment with
// its text. Lights wander along fixed paths over the lit gems and throw
// lightning at each other; after the last artefact of the second voyage a
// glow of rays stands over the shield.
//
// The widget covers the screen; points are screen points, y upward. Its
// ShieldController (made with it) runs Update every frame; the flight of an
// artefact (ArtefactFromField) and the switching-on of its gem (TurnOnGem)
// write its fields directly. Data: artTexts.xml, ShieldData.xml, RayGem.xml.

#include "engine/render/Sprite.h"
#include "engine/util/SplinePath.h"
#include "engine/util/Vector3.h"
#include "game/screens/ArtTextsFile.h"
#include "game/screens/ShieldLightPath.h"
#include "game/screens/ShieldRayRecord.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/GameInfo.h"
#include "gui/Widget.h"
#include "gui/effects/EffectHandle.h"

#include <array>
#include <string>
#include <vector>

class TiXmlElement;

struct ShieldGem {
    int x = 0;
    int y = 0; // stored as 599 - y of the top-down position
    Sprite* sprite = nullptr;
    int width = 0;
    int height = 0;
    int textureWidth = 0;
    int textureHeight = 0;
    int alpha = 0;
    // For the hit test, screen space.
    std::vector<Point> outline;
};

// Where an artefact rests on the shield (kept, not drawn).
struct ArtefactSlot {
    Vector3 position;
    Vector3 home;
    int alpha = 0;
    float scale = 0.0f;
    bool placed = false;
};

// The glow over a lit gem, pulsing.
struct GemLight {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    Sprite* sprite = nullptr;
    OwnedSprite ownSprite; // a sprite named by file, loaded for this light
    int r = 0;
    int g = 0;
    int b = 0;
    SplinePath<float> pulse;
    float phase = 0.0f;
    float speed = 0.0f;
};

class Shield : public Widget {
public:
    static constexpr int kGems = 7;

    Shield(const std::string& widgetName, const TiXmlElement* element, GameInfo& info = gameInfo,
           ArtefactCatalogue& artefacts = g_artefacts);
    ~Shield() override;

    // Places a held artefact; never takes the press from the widgets behind.
    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point&) override {}
    void MouseUp(const Point&) override {}
    void MouseMove(const Point& p) override;
    void Draw() override;
    void AcceptMessage(const Message& message) override;

    // One frame of the screen's time (run by its ShieldController).
    void Update(float dt);

    Player& ActivePlayer() const;
    // maxStage of the active player, or 8 from the second voyage on.
    int StagesFromProgress() const;
    // The gem under p among the placed slots (the last one wins), or -1.
    int GemUnder(const Point& p) const;

    // Drawing passes (ShieldDrawing.cpp draws them in order).
    void DrawGems();
    void DrawVeil();
    void DrawGemLights();
    void DrawPathLights();
    void DrawParchment();
    void DrawFadeIn();
    void DrawArtefactPicture();
    void DrawCentralRays();
    void DrawLightning(const Vector3& from, const Vector3& to);

    std::array<ShieldGem, kGems> gems;
    std::array<ArtefactSlot, kGems> slots;
    std::vector<GemLight> lights; // at most seven, light k over gem k
    std::vector<ShieldLightPath> paths;
    ArtTexts artTexts;
    std::array<Point, kGems> artAnchors;

    Sprite* pergament = nullptr;
    Sprite* flash = nullptr;
    OwnedSprite lightSprite;
    OwnedSprite rayTexture;  // textures\Shield\ray.jpg
    OwnedSprite rayTexture2; // textures\Shield\ray2.jpg
    ShieldRayRecord gemRay;

    int takenSlot = -1;
    int hover = -1;
    int shownHover = -1;
    float highlightAlpha = 0.0f;
    bool highlightEnabled = true;
    Point lastMouse;

    int stagesReached = 0;
    float clock = 0.0f;
    bool fadingIn = false;
    float fadeIn = 0.0f;
    int overlayAlpha = 0;

    // The rays over the shield's centre.
    bool rayGlowOn = false;
    float rayGlowFade = 0.0f;
    float rayPhase = 0.0f;
    int rayPrevLight = 0;
    int rayNextLight = 0;
    EffectHandle fullRayGlow;

    // Per pair of lights (i, j), i < j, at i x the number of paths + j:
    // whether the pair is in the lightning's band.
    std::vector<bool> lightningSounding;
    float lightningOffset = 0.0f;
    float lightningTimer = 0.0f;

    // An artefact being accepted: its gem glows up over about nine seconds.
    bool accepting = false;
    int acceptedArtefact = -1;
    float acceptProgress = 0.0f;

private:
    void BuildGems();
    void BuildSlots();
    void LoadLights(const std::vector<GemLightSpec>& entries);
    void ResetFromProgress();
    void AcceptArtefact(int n);
    void StartTestFlight();
    // Update steps.
    void AdvanceCentralRays(float dt);
    void AdvanceLightning(float dt);
    void AdvanceAcceptance(float dt);
    void AdvancePaths(float dt);
    void AdvanceLights(float dt);
    void AdvanceHighlight(float dt);
    // The colour of light k, white for a light the file does not have.
    Color LightColor(int k) const;

    GameInfo& _info;
    ArtefactCatalogue& _artefacts;
};
