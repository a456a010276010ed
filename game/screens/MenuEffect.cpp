#include "game/screens/MenuEffect.h"

#include "engine/render/BigTexture.h"
#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/screens/MenuIdleController.h"
#include "game/screens/MenuScene.h"
#include "game/state/GameInfo.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>

namespace {

constexpr int kAdditive = 2;
constexpr int kNormal = 0;

Player& ActivePlayer()
{
    return gameInfo.GetPlayer(gameInfo.getName());
}

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

Color GemColor(const MenuGem& gem, int alpha)
{
    return Color(Byte(gem.r), Byte(gem.g), Byte(gem.b), Byte(alpha));
}

// A burst at the gem's centre in the gem's colour.
void StartGemEffect(EffectList& list, const std::string& name, const MenuGem& gem)
{
    ParticleEffect* effect = list.Add(name, static_cast<float>(gem.x) + static_cast<float>(gem.Width()) / 2.0f,
                                      static_cast<float>(gem.y) + static_cast<float>(gem.Height()) / 2.0f);
    if (!effect)
        return;
    for (ParticleSystem& system : effect->_systems) {
        system._tint[0] = static_cast<float>(Byte(gem.r)) / 255.0f;
        system._tint[1] = static_cast<float>(Byte(gem.g)) / 255.0f;
        system._tint[2] = static_cast<float>(Byte(gem.b)) / 255.0f;
    }
    effect->Reset();
}

} // namespace

MenuEffect::MenuEffect(const std::string& widgetName, const TiXmlElement*)
    : MenuEffect(widgetName, g_menuScene, g_menuIdleController)
{
}

MenuEffect::MenuEffect(const std::string& widgetName, MenuScene& menuScene, MenuIdleController& idleController)
    : Widget(widgetName), scene(menuScene), controller(idleController)
{
    Build();
}

void MenuEffect::Build()
{
    scene.LoadTipText();
    scene.FindPictures();
    scene.LoadRayImages();
    scene.BuildRay();
    MenuEffectsData data;
    ReadMenuEffectsFile("MenuEffects.xml", data);
    scene.AddWaves(data);
    scene.AddTracks(data);
    scene.StartSchoolOnRandomTrack();
    scene.SpawnFish(data.numOfFishes);
    scene.StartBubbleFish();
    scene.SetGems(data);
    kernel.AddProcessWideController(&controller);
    scene.StartAmbientEffects();
    scene.LoadPanelText("HiScoresEffects.xml");
}

bool MenuEffect::MouseDown(const Point&)
{
    controller.panel.Click();
    return false;
}

void MenuEffect::AcceptMessage(const Message& message)
{
    const std::string& command = message.publisher;
    if (command == "GemEffect") {
        scene.ClearGemFlags();
        scene.gemRun = true;
        controller._time = 0.0f;
    } else if (command == "SyncGems") {
        SyncGems();
    } else if (command == "EndGemEffects") {
        scene.gemRun = false;
        if (scene.syncRun) {
            Player& player = ActivePlayer();
            player.menuParam1 = MenuScene::GemsEarned(player);
            scene.syncRun = false;
        }
    } else if (command == "HiscoreTick") {
        controller.panel.Tick(message.integerParam);
    } else if (command == "EndSyncGems") {
        if (scene.gemRun) {
            scene.gemRun = false;
            Player& player = ActivePlayer();
            player.menuParam1 = std::clamp(player.maxStage - 1, 0, MenuScene::kGems);
        }
    } else if (command == "ShowSaverTip") {
        if (gameInfo.getUseScreensaver())
            controller.tip.Start();
    } else if (command == "HideSaverTip") {
        if (gameInfo.getUseScreensaver())
            controller.tip.Hide();
    }
}

void MenuEffect::SyncGems()
{
    Player& player = ActivePlayer();
    const int target = player.cycle > 1 ? MenuScene::kGems + 1 : std::clamp(player.maxStage, 1, MenuScene::kGems + 1);
    scene.ClearGemFlags();
    const int set = MenuScene::GemsSet(player);
    if (set < target - 1)
        controller.StartSyncRun(set, target - set - 1);
    if (player.maxStage > 1 && !player.showSSTip)
        controller.tip.Start();
}

void MenuEffect::DrawGem(int index, int alpha)
{
    if (!scene.HasGem(index))
        return;
    const MenuGem& gem = scene.gems[static_cast<std::size_t>(index)];
    g_renderDevice.SetColor(Color(Byte(alpha)));
    gem.texture->Bind();
    g_renderDevice.DrawRect(gem.x, gem.y, gem.Width(), gem.Height());
    g_renderDevice.ResetColor();
}

void MenuEffect::DrawFish(bool secondPass)
{
    RenderDevice& device = g_renderDevice;
    device.EnableFog(true);
    for (SwimmingFish& fish : scene.fish)
        fish.DrawEx(secondPass);
    device.EnableFog(false);
}

void MenuEffect::DrawGemRun()
{
    const float t = controller.GemRunTime();
    for (int i = 0; i < MenuScene::kGems; ++i) {
        if (!scene.HasGem(i))
            continue;
        const float p = (t - static_cast<float>(i) / 7.0f) * 7.0f;
        if (p < 0.0f) {
            DrawGem(i, 255);
        } else if (p < 1.0f) {
            const MenuGem& gem = scene.gems[static_cast<std::size_t>(i)];
            if (!scene.gemFlags[static_cast<std::size_t>(i)]) {
                scene.gemFlags[static_cast<std::size_t>(i)] = true;
                PlayWidgetSample("GemOut");
                StartGemEffect(scene.gemList, "GemMenuBoom", gem);
            }
            DrawGem(i, p <= 0.3f ? 255 : 255 - static_cast<int>((p - 0.3f) / 0.7f * 255.0f));
        }
    }
}

void MenuEffect::DrawFullGlow()
{
    RenderDevice& device = g_renderDevice;
    struct Band {
        int image;
        float speed;
        float repeat;
        float halfHeight;
    };
    static const Band kBands[] = {{0, -4.0f, 0.6f, 20.0f}, {2, -4.0f, 0.4f, 35.0f}, {2, -3.0f, 0.4f, 40.0f},
                                  {2, -2.0f, 0.4f, 37.0f}};
    device.SetBlendMode(kAdditive);
    device.PushMatrix();
    device.Translate(Vector3(250.0f, 190.0f, 0.0f));
    device.Rotate(Vector3(0.0f, 0.0f, 1.0f), 90.0f);
    Color colour = controller.drift._color;
    colour.a = 180;
    device.SetColor(colour);
    for (const Band& band : kBands) {
        scene.rayImages[static_cast<std::size_t>(band.image)].Bind();
        DrawScrollingBand(controller.bandPhase, band.speed, band.repeat, band.halfHeight);
    }
    device.ResetColor();
    device.SetBlendMode(kNormal);
    device.PopMatrix();
    scene.glowList.Draw();
}

void MenuEffect::DrawSyncRun()
{
    RenderDevice& device = g_renderDevice;
    const int n = controller.syncCount;
    if (n < 1)
        return;
    const float s = controller.syncTime;
    RayStrip& ray = scene.ray;
    for (int k = 0; k < n; ++k) {
        const int g = controller.syncFirst + k;
        if (!scene.HasGem(g))
            continue;
        const MenuGem& gem = scene.gems[static_cast<std::size_t>(g)];
        const float p = (s - static_cast<float>(k) / static_cast<float>(n)) * static_cast<float>(n);
        if (p >= 1.0f) {
            DrawGem(g, 255);
            continue;
        }
        if (p < 0.0f)
            continue;
        device.SetBlendMode(kAdditive);
        device.PushMatrix();
        device.Translate(Vector3(static_cast<float>(gem.x + 30), static_cast<float>(gem.y - 10), 0.0f));
        if (!scene.gemFlags[static_cast<std::size_t>(g)]) {
            scene.gemFlags[static_cast<std::size_t>(g)] = true;
            PlayWidgetSample("Ray");
            StartGemEffect(scene.gemList, "GemMenuSet", gem);
        }
        ray.SetPairColor(GemColor(gem, 255));
        scene.rayImages[0].Bind();
        ray.SetScroll(-4.0f);
        ray.SetRepeat(0.6f);
        ray.SetFade(1.6f);
        ray.SetProgress(p);
        ray.Draw();
        ray.SetPairColor(Color(255, 255, 255, 255));
        ray.SetProgress(p);
        scene.rayImages[1].Bind();
        static const float kPasses[][3] = {{4.0f, 0.4f, 1.2f}, {-4.0f, 0.4f, 1.2f}, {2.0f, 0.4f, 1.2f}};
        for (const auto& pass : kPasses) {
            ray.SetScroll(pass[0]);
            ray.SetRepeat(pass[1]);
            ray.SetFade(pass[2]);
            ray.Draw();
        }
        device.SetBlendMode(kNormal);
        device.PopMatrix();
        if (p > 0.3f)
            DrawGem(g, static_cast<int>((p - 0.3f) / 0.7f * 255.0f));
    }
}

void MenuEffect::DrawPanel()
{
    const HiScorePanel& panel = controller.panel;
    if (panel.state == HiScorePanel::kHidden)
        return;
    RenderDevice& device = g_renderDevice;
    device.PushMatrix();
    device.Translate(Vector3(panel.X(), 80.0f, 0.0f));
    if (const Sprite* picture = scene.panelPicture) {
        picture->Bind();
        device.DrawRect(0, 0, picture->textureWidth, picture->textureHeight);
    }
    if (panel.state == HiScorePanel::kShown || panel.state == HiScorePanel::kSlidingOut) {
        scene.panelText.DrawAt(Point(0, 0));
        scene.panelList.Draw();
    }
    device.PopMatrix();
}

void MenuEffect::Draw()
{
    RenderDevice& device = g_renderDevice;
    device.SetBlendMode(kNormal);
    device.ResetColor();
    if (scene.fishTexture) {
        scene.fishTexture->Bind();
        scene.school.Draw(false);
    }
    DrawFish(false);
    if (scene.colonnade)
        scene.colonnade->Draw(0, 202);
    for (const MenuWave& wave : scene.waves)
        wave.Draw();
    if (scene.gemRun)
        DrawGemRun();
    const Player& player = ActivePlayer();
    const int set = MenuScene::GemsSet(player);
    for (int i = 0; i < set; ++i)
        DrawGem(i, 255);
    if (player.cycle > 1 && player.menuParam1 == MenuScene::kGems)
        DrawFullGlow();
    if (scene.syncRun)
        DrawSyncRun();
    scene.gemList.Draw();
    if (scene.fishTexture) {
        scene.fishTexture->Bind();
        scene.school.Draw(true);
    }
    device.SetBlendMode(kAdditive);
    Color mask = controller.drift._color;
    mask.a = Byte(static_cast<int>(controller.drift._level));
    device.SetColor(mask);
    if (scene.mask)
        scene.mask->Draw(0, 0);
    device.ResetColor();
    device.SetBlendMode(kNormal);
    DrawFish(true);
    scene.bubbleFish.Draw();
    if (ParticleEffect* bubbles = scene.bubbles.Get()) {
        bubbles->posX = scene.bubbleFish.attachedX;
        bubbles->posY = scene.bubbleFish.attachedY;
    }
    device.ResetColor();
    scene.rainbowList.Draw();
    DrawPanel();
}

Widget* CreateMenuEffect(const TiXmlElement* element)
{
    return CreateWidgetOfKind<MenuEffect>(element);
}
