#include "game/screens/MenuScene.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/BigTexture.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "engine/util/XmlFile.h"
#include "game/state/Player.h"
#include "gui/effects/MenuFish.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/effects/TextEffectFile.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

#include <algorithm>

namespace {

template <typename T>
T* Found(ResourceEntry<T>* entry)
{
    return entry ? entry->object.get() : nullptr;
}

ParticleEffect* StartEffect(EffectList& list, const std::string& name, float x, float y)
{
    return list.Add(name, x, y);
}

} // namespace

void MenuScene::LoadTipText()
{
    const TextResource* text = FindTextResource("ScreensaverTip");
    hasTipText = text != nullptr;
    tipText = text ? *text : TextResource();
}

void MenuScene::FindPictures()
{
    mask = Found(g_resourceManager.FindBigTexture("MENU_MASK"));
    colonnade = Found(g_resourceManager.FindBigTexture("COLONADA"));
    fishTexture = Found(g_resourceManager.FindTexture("FISH"));
    waveTexture = Found(g_resourceManager.FindTexture("VODOR"));
    panelPicture = GetWidgetPicture("#HISCORE_PANEL");
}

void MenuScene::LoadRayImages()
{
    static const char* const kFiles[] = {"textures\\Shield\\ray.jpg", "textures\\Shield\\ray1.jpg",
                                         "textures\\Shield\\ray2.jpg"};
    for (std::size_t i = 0; i < rayImages.size(); ++i) {
        rayImages[i].linearFilter = true;
        rayImages[i].image.Load(kFiles[i]);
        rayImages[i].Upload(true);
    }
}

void MenuScene::BuildRay()
{
    // One strip: a second build lays it out afresh.
    ray._curveX.Clear();
    ray._curveY.Clear();
    ray._curveWidth.Clear();
    ray.AddPoint(0.0f, 600.0f, 35.0f);
    ray.AddPoint(0.0f, 300.0f, 35.0f);
    ray.AddPoint(0.0f, 0.0f, 35.0f);
    ray.Build(30);
    ray.SetScroll(-5.0f);
    ray.SetRepeat(0.2f);
    ray.SetFade(1.0f);
}

void MenuScene::AddWaves(const MenuEffectsData& data)
{
    for (const MenuWaveSpec& wave : data.waves) {
        waves.emplace_back();
        waves.back().Build(wave, waveTexture);
    }
}

void MenuScene::AddTracks(const MenuEffectsData& data)
{
    tracks.insert(tracks.end(), data.tracks.begin(), data.tracks.end());
}

void MenuScene::StartSchoolOnRandomTrack()
{
    if (tracks.empty()) {
        school.fish.clear();
        school.time = 0.0f;
        return;
    }
    const int index = RandomIndex(static_cast<int>(tracks.size()));
    school.Build(tracks[static_cast<std::size_t>(index)]);
}

void MenuScene::SpawnFish(int count)
{
    for (int i = 0; i < count; ++i) {
        fish.emplace_back();
        MenuFish::Spawn(fish.back());
    }
}

void MenuScene::StartBubbleFish()
{
    bubbleFish.hasAttached = true;
    bubbles = rainbowList.AddWithHandle("Bubbles", bubbleFish.attachedX, bubbleFish.attachedY);
    MenuFish::Randomize(bubbleFish);
    bubbleFish.t = 0.0f;
    bubbleFish.sector = 0;
}

void MenuScene::SetGems(const MenuEffectsData& data)
{
    gemCount = std::min(static_cast<int>(data.gems.size()), kGems);
    for (int i = 0; i < gemCount; ++i) {
        gems[static_cast<std::size_t>(i)] = data.gems[static_cast<std::size_t>(i)];
        gems[static_cast<std::size_t>(i)].texture = Found(g_resourceManager.FindTexture(gems[static_cast<std::size_t>(i)].textureName));
    }
}

void MenuScene::StartAmbientEffects()
{
    StartEffect(rainbowList, "Rainbow", 85.0f, 505.0f);
    StartEffect(rainbowList, "Rainbow", 373.0f, 510.0f);
    StartEffect(glowList, "FullRayGlow", 250.0f, 190.0f);
}

void MenuScene::LoadPanelText(const std::string& fileName)
{
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document)) {
        LogError("HiScoresEffects.xml", fileName + " cannot be read: the hi-score panel shows no text.");
        return;
    }
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* text = root ? root->FirstChildElement("Text") : nullptr;
    panelText.SetOwner(&panelList);
    ParseTextEffect(text, panelText);
    panelText.SetOwner(&panelList);
    panelText.Finish();
}

bool MenuScene::HasGem(int index) const
{
    return index >= 0 && index < gemCount && gems[static_cast<std::size_t>(index)].texture;
}

int MenuScene::GemsSet(const Player& player)
{
    return std::clamp(player.menuParam1, 0, kGems);
}

int MenuScene::GemsEarned(const Player& player)
{
    return player.cycle > 1 ? kGems : std::clamp(player.maxStage - 1, 0, kGems);
}
