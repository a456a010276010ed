#include "game/screens/Shield.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/FileSystem.h"
#include "engine/util/Random.h"
#include "game/screens/ArtefactFromField.h"
#include "game/screens/ShieldController.h"
#include "game/screens/ShieldDataFile.h"
#include "game/screens/ShieldGemPlaces.h"
#include "game/screens/TipOutline.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>

namespace {

const char* const kShieldError = "Shield";

const Vector3 kSlotHomes[Shield::kGems] = {{505, 313, 0}, {450, 235, 0}, {368, 155, 0}, {301, 238, 0},
                                           {238, 319, 0}, {308, 410, 0}, {433, 410, 0}};

const Point kArtAnchors[Shield::kGems] = {{27, 271}, {16, 289}, {10, 280}, {25, 295},
                                          {12, 275}, {25, 293}, {12, 283}};

bool IsArtefactNumber(int n)
{
    return n >= 0 && n < Shield::kGems;
}

// The message's integer variable, when it has one of that name.
bool IntVariable(const Message& message, const std::string& name, int& value)
{
    if (!message.variables.Has(name))
        return false;
    VariableSet copy = message.variables;
    if (const int* found = boost::get<int>(&copy[name])) {
        value = *found;
        return true;
    }
    return false;
}

} // namespace

Shield::Shield(const std::string& widgetName, const TiXmlElement*, GameInfo& info, ArtefactCatalogue& artefacts)
    : Widget(widgetName)
    , _info(info)
    , _artefacts(artefacts)
{
    rayTexture = LoadSpriteFile("textures\\Shield\\ray.jpg");
    rayTexture2 = LoadSpriteFile("textures\\Shield\\ray2.jpg");
    for (Sprite* ray : {rayTexture.get(), rayTexture2.get()})
        if (ray)
            ray->linearFilter = true;
    flash = GetWidgetPicture("#flash");
    pergament = GetWidgetPicture("#Pergament");
    // The glow of the wandering lights is the board's light picture; a game
    // folder without it shows the lights by their effects alone.
    const char* const lightPicture = ".\\Textures\\Particles\\light.jpg";
    if (FileExists(lightPicture))
        lightSprite = LoadSpriteFile(lightPicture);
    if (lightSprite)
        lightSprite->linearFilter = true;

    BuildGems();
    BuildSlots();
    kernel.AddController(new ShieldController(this));

    ReadArtTextsFile("artTexts.xml", artTexts);
    ShieldDataSpec data;
    ReadShieldDataFile("ShieldData.xml", data);
    LoadLights(data.lights);
    for (const LightPathSpec& path : data.paths)
        paths.emplace_back(path);
    std::copy(std::begin(kArtAnchors), std::end(kArtAnchors), artAnchors.begin());
    gemRay.Load("RayGem.xml");

    SetRect(0, 0, 800, 600);
    fixed = true;
}

Shield::~Shield()
{
    // The processes that write the shield stop first.
    kernel.StopControllersOf(this);
}

void Shield::BuildGems()
{
    static_assert(kShieldGemCount == kGems, "one place per gem");
    for (int k = 0; k < kGems; ++k) {
        const ShieldGemPlace& place = kShieldGemPlaces[k];
        ShieldGem& gem = gems[static_cast<std::size_t>(k)];
        gem.x = place.x;
        gem.y = 599 - place.y;
        gem.sprite = GetWidgetPicture(std::string("#") + place.kind + "Gem");
        if (gem.sprite) {
            gem.sprite->linearFilter = true;
            gem.width = gem.sprite->imageWidth;
            gem.height = gem.sprite->imageHeight;
            gem.textureWidth = gem.sprite->textureWidth;
            gem.textureHeight = gem.sprite->textureHeight;
        }
        gem.alpha = 0;
        gem.outline.clear();
        for (int i = 0; i < place.corners; ++i)
            gem.outline.emplace_back(place.outline[i][0], place.outline[i][1]);
    }
}

void Shield::BuildSlots()
{
    for (int k = 0; k < kGems; ++k) {
        ArtefactSlot& slot = slots[static_cast<std::size_t>(k)];
        slot.home = kSlotHomes[k];
        slot.position = slot.home;
        slot.placed = false;
    }
}

void Shield::LoadLights(const std::vector<GemLightSpec>& entries)
{
    lights.clear();
    lights.reserve(entries.size());
    for (const GemLightSpec& entry : entries) {
        lights.emplace_back();
        GemLight& light = lights.back();
        light.x = entry.x;
        light.y = entry.y;
        light.width = entry.width;
        light.height = entry.height;
        light.r = entry.r;
        light.g = entry.g;
        light.b = entry.b;
        if (!entry.texture.empty() && entry.texture[0] == '#') {
            light.sprite = GetWidgetPicture(entry.texture);
        } else if (!entry.texture.empty()) {
            light.ownSprite = LoadSpriteFile(entry.texture);
            light.sprite = light.ownSprite.get();
        }
        if (light.sprite)
            light.sprite->linearFilter = true;
        for (float key : {8.0f, 64.0f, 8.0f, 128.0f, 8.0f})
            light.pulse.addKey(key);
        light.pulse.CalculateGradient(false);
        light.phase = 0.0f;
        light.speed = 0.15f + static_cast<float>(RandomInt()) * 4.547258e-6f;
    }
}

Player& Shield::ActivePlayer() const
{
    return _info.GetPlayer(_info.getName());
}

int Shield::StagesFromProgress() const
{
    const Player& player = ActivePlayer();
    return player.cycle > 1 ? 8 : player.maxStage;
}

void Shield::ResetFromProgress()
{
    stagesReached = StagesFromProgress();
    for (int k = 0; k < kGems; ++k) {
        ArtefactSlot& slot = slots[static_cast<std::size_t>(k)];
        slot.placed = k < stagesReached - 1;
        slot.alpha = 128;
        slot.scale = 0.25f;
        slot.position = slot.home;
        gems[static_cast<std::size_t>(k)].alpha = k < stagesReached - 1 ? 255 : 0;
    }
    takenSlot = -1;
    // A first voyage shows no rays over the centre, whether or not their
    // effect is still running.
    if (ActivePlayer().cycle == 1) {
        if (ParticleEffect* glow = fullRayGlow.Get())
            glow->_finished = true;
        fullRayGlow = EffectHandle();
        rayGlowOn = false;
        rayGlowFade = 0.0f;
    }
}

void Shield::AcceptArtefact(int n)
{
    PlayWidgetSample("ArtefactSound" + std::to_string(n + 1));
    // An acceptance cut short leaves its gem fully on.
    if (accepting && acceptedArtefact >= 0)
        gems[static_cast<std::size_t>(acceptedArtefact)].alpha = 255;
    acceptedArtefact = n;
    gemRay.Select(n);
    if (const RayGemEntry* entry = gemRay.Entry(n)) {
        if (ParticleEffect* ray = effects.Add("GemRay", entry->x, entry->y))
            ray->SetTint(static_cast<float>(entry->r) / 255.0f, static_cast<float>(entry->g) / 255.0f,
                         static_cast<float>(entry->b) / 255.0f);
    }
    accepting = true;
    acceptProgress = 0.0f;
}

void Shield::StartTestFlight()
{
    ArtefactSlot& slot = slots[0];
    if (slot.placed)
        return;
    slot.placed = true;
    slot.position = Vector3(50.0f, 300.0f, 0.0f);
    slot.alpha = 255;
    slot.scale = 1.0f;
    kernel.AddController(new ArtefactFromField(this, 0));
    overlayAlpha = 255;
}

void Shield::AcceptMessage(const Message& message)
{
    const std::string& command = message.publisher;
    if (command == "FadeIn") {
        fadeIn = 0.0f;
        fadingIn = true;
    }
    if (command == "AcceptArtefact") {
        int n = -1;
        if (IntVariable(message, "ArtNumber", n) && IsArtefactNumber(n))
            AcceptArtefact(n);
        else
            LogError(kShieldError, "AcceptArtefact without an artefact number 0 to 6 (ArtNumber " +
                                       (message.variables.Has("ArtNumber") ? std::to_string(n) : "missing") +
                                       ") is ignored.");
    }
    if (command == "ResetAcceptedArtefact")
        takenSlot = -1;
    if (command == "Test")
        StartTestFlight();
    if (command == "SetTakedArtefact") {
        if (IsArtefactNumber(message.integerParam))
            takenSlot = message.integerParam;
        else
            LogError(kShieldError, "SetTakedArtefact " + std::to_string(message.integerParam) +
                                       " is ignored: the artefacts are numbered 0 to 6.");
    }
    if (command == "Reset")
        ResetFromProgress();
}

int Shield::GemUnder(const Point& p) const
{
    int found = -1;
    for (int k = 0; k < kGems; ++k)
        if (slots[static_cast<std::size_t>(k)].placed && IsInsideOutline(gems[static_cast<std::size_t>(k)].outline, p))
            found = k;
    return found;
}

void Shield::MouseMove(const Point& p)
{
    lastMouse = p;
    if (takenSlot != -1)
        return;
    const int before = hover;
    hover = GemUnder(p);
    if (hover != before)
        PlayWidgetSample("ArtefactSound" + std::to_string(hover + 1));
}

bool Shield::MouseDown(const Point& p)
{
    if (takenSlot < 0)
        return false;
    shownHover = takenSlot;
    highlightEnabled = true;
    highlightAlpha = 255.0f;
    slots[static_cast<std::size_t>(takenSlot)].placed = true;
    takenSlot = -1;
    MouseMove(p);
    return false;
}

void Shield::Update(float dt)
{
    if (fadingIn) {
        fadeIn += 4.0f * dt;
        if (fadeIn >= 1.0f) {
            fadeIn = 1.0f;
            fadingIn = false;
        }
    }
    clock += dt;
    AdvanceCentralRays(dt);
    AdvanceLightning(dt);
    AdvanceAcceptance(dt);
    AdvancePaths(dt);
    AdvanceLights(dt);
    AdvanceHighlight(dt);
}

void Shield::AdvanceCentralRays(float dt)
{
    if (!rayGlowOn)
        return;
    rayGlowFade = std::min(1.0f, rayGlowFade + dt);
    rayPhase += 0.4f * dt;
    if (rayPhase >= 1.0f) {
        rayPhase = 0.0f;
        rayPrevLight = rayNextLight;
        // One of the lights there are (seven in the shipped data).
        const float count = static_cast<float>(std::max<std::size_t>(lights.size(), 1));
        rayNextLight = static_cast<int>(static_cast<float>(RandomInt()) * 3.051851e-5f * (count - 0.001f));
    }
}

void Shield::AdvanceLightning(float dt)
{
    lightningTimer += dt;
    if (lightningTimer >= 0.01f) {
        lightningTimer = 0.0f;
        lightningOffset = static_cast<float>(RandomInt()) * 3.048799e-5f;
    }
}

void Shield::AdvanceAcceptance(float dt)
{
    if (!accepting)
        return;
    acceptProgress += 0.21408692f * dt;
    gemRay.progress = acceptProgress;
    ShieldGem& gem = gems[static_cast<std::size_t>(acceptedArtefact)];
    gem.alpha = std::min(255, static_cast<int>(127.5f * acceptProgress));
    if (acceptProgress >= 1.0f && ActivePlayer().cycle == 2 && acceptedArtefact == 6) {
        if (!fullRayGlow.IsAlive()) {
            fullRayGlow = effects.AddWithHandle("FullRayGlow", 568.0f, 377.0f);
        }
        rayGlowOn = true;
    }
    if (acceptProgress >= 2.0f) {
        gem.alpha = 255;
        accepting = false;
        acceptedArtefact = -1;
    }
}

void Shield::AdvancePaths(float dt)
{
    for (ShieldLightPath& path : paths) {
        const bool live = path.number + 1 < stagesReached && !(accepting && path.number == acceptedArtefact);
        if (live)
            path.Advance(dt, effects);
        else
            path.GoDark();
    }
}

void Shield::AdvanceLights(float dt)
{
    for (GemLight& light : lights) {
        light.phase += dt * light.speed;
        while (light.phase >= 1.0f) {
            light.phase -= 1.0f;
            light.speed = 0.15f + static_cast<float>(RandomInt()) * 7.599109e-6f;
        }
    }
}

void Shield::AdvanceHighlight(float dt)
{
    if (!highlightEnabled) {
        hover = -1;
        return;
    }
    if (hover == -1) {
        highlightAlpha -= 1024.0f * dt;
        if (highlightAlpha < 0.0f) {
            highlightAlpha = 0.0f;
            shownHover = -1;
        }
    } else {
        shownHover = hover;
        highlightAlpha += 256.0f * dt;
    }
    highlightAlpha = std::min(highlightAlpha, 255.0f);
}

Color Shield::LightColor(int k) const
{
    if (k < 0 || k >= static_cast<int>(lights.size()))
        return Color(255, 255, 255);
    const GemLight& light = lights[static_cast<std::size_t>(k)];
    const auto byte = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return Color(byte(light.r), byte(light.g), byte(light.b));
}
