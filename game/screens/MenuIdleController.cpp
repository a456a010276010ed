#include "game/screens/MenuIdleController.h"

#include "engine/render/DrawRoutines.h"
#include "engine/util/MathFunctions.h"
#include "game/screens/MenuScene.h"
#include "game/state/GameInfo.h"
#include "gui/controllers/ControllerManager.h"

#include <algorithm>
#include <cmath>

namespace {

Player& ActivePlayer()
{
    return gameInfo.GetPlayer(gameInfo.getName());
}

} // namespace

MenuIdleController::MenuIdleController(MenuScene& menuScene)
    : scene(menuScene)
{
    schoolInterval = 2.0f + RandomUnit() * 4.0f;
    drift._period = 0.2f + RandomUnit() * 0.8f;
    drift._fromLevel = 100.0f + RandomUnit() * 155.0f;
    drift._toLevel = 100.0f + RandomUnit() * 155.0f;
    drift._fromColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    drift._toColor = RandomColorBetween(Color(100, 100, 100, 255), Color(255, 255, 255, 255));
    drift._color = Color(255, 255, 255, 255);
    scene.ClearGemFlags();
}

MenuIdleController::~MenuIdleController()
{
    kernel.Detach(this);
}

void MenuIdleController::StartSyncRun(int first, int count)
{
    if (count < 1)
        return;
    scene.syncRun = true;
    syncTime = 0.0f;
    syncFirst = first;
    syncCount = count;
}

void MenuIdleController::RenewSchool()
{
    if (scene.school.time <= static_cast<float>(scene.school.lastKey) + schoolInterval)
        return;
    scene.school.time = 0.0f;
    schoolInterval = 5.0f + RandomTimes(0.00030515456f);
    scene.StartSchoolOnRandomTrack();
}

void MenuIdleController::AdvanceGemRun(float dt)
{
    _time += 0.075f * dt;
    if (_time >= 1.0f) {
        scene.gemRun = false;
        _time = 0.0f;
    }
}

void MenuIdleController::AdvanceSyncRun(float dt)
{
    if (syncCount < 1)
        return;
    syncTime += 0.4f / static_cast<float>(syncCount) * dt;
    if (syncTime >= 1.0f) {
        syncTime = 0.0f;
        if (scene.syncRun) {
            ActivePlayer().menuParam1 = MenuScene::GemsEarned(ActivePlayer());
            scene.syncRun = false;
        }
    }
}

void MenuIdleController::Update(float dt)
{
    for (MenuWave& wave : scene.waves)
        wave.Update(dt);
    for (SwimmingFish& fish : scene.fish)
        fish.Update(dt);
    scene.school.Update(dt);
    RenewSchool();
    panel.Update(dt, scene.panelText);
    scene.bubbleFish.Update(dt);
    drift.Advance(dt);
    tip.Update(dt, ActivePlayer());
    AdvanceGemRun(dt);
    bandPhase += 0.1f * dt;
    if (bandPhase >= 1.0f)
        bandPhase -= std::floor(bandPhase);
    AdvanceSyncRun(dt);
}
