#include "game/board/GameFieldObserver.h"

#include "engine/platform/InputState.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Color.h"
#include "engine/util/MathFunctions.h"
#include "engine/util/Random.h"
#include "game/board/ChipKnockClock.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/effects/LevelContourLighting.h"
#include "game/board/effects/LevelLighting.h"
#include "game/board/effects/SunRing.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"

#include <algorithm>
#include <cmath>
#include <list>

namespace {

// Every observer alive, oldest first.
std::list<GameFieldObserver*> g_observers;

// The squares below 0x30 (chips, locked and double-locked chips) animate.
constexpr int kAnimatedKinds = 0x30;
// The hurry warning when less than this share of the time is left.
constexpr float kHurryShare = 0.1f;
// The exit confirmation warns of a lost life past this share of the time.
constexpr float kLostLifeShare = 0.5f;
// The ambient timers of the timer bar's sparks and the frame's light wave.
constexpr int kTimerSparks = 3;
constexpr int kContourLight = 4;

float NextAmbientDelay()
{
    return 10.0f + static_cast<float>(RandomInt() % 10);
}

} // namespace

GameFieldObserver::GameFieldObserver(GameField* field) : FieldController("GameFieldObserver", field)
{
    g_observers.push_back(this);
}

GameFieldObserver::~GameFieldObserver()
{
    g_observers.remove(this);
    if (_field && _field->_observer == this)
        _field->_observer = nullptr;
}

bool GameFieldObserver::MovesSharedClock() const
{
    const auto first = std::find_if(g_observers.begin(), g_observers.end(), [](const GameFieldObserver* o) {
        return !o->_paused && !o->_finished && o->Field();
    });
    return first != g_observers.end() && *first == this;
}

void GameFieldObserver::Update(float dt)
{
    if (dt == 0.0f || !_field)
        return;
    GameField& field = *_field;
    if (MovesSharedClock())
        ChipKnockClock::Advance(dt);
    StepAnimations(field, dt);
    if (!field._isActive)
        return;

    field._shownSunEnergy += (field._sunEnergy - field._shownSunEnergy) * dt;
    _time += dt;
    StepSunRings(field);

    // The help and demo playback take the step over.
    if (field.StepHelp(dt) || field.StepDemo(dt) || field._isHelpMode || field._isDemo)
        return;

    StepSunPulse(field, dt);
    StepSunGlow(field, dt);
    if (field._checkMovesPending && !field._isBlocked) {
        field._checkMovesPending = false;
        field.CheckNoMoves();
    }
    if (field._highlightSquare) {
        field._highlightClock += dt;
        if (field._highlightClock > 2.5f) {
            field._highlightClock = 0.0f;
            Square::PlayHighlight(field._highlightSquare);
        }
    }
    StepHurryWarning(field);
    field._artefactFlashTime -= dt;
    if (field._artefactFlashTime < 0.0f)
        field.StartArtefactFlash();
    StepLevelClock(field, dt);
    field._effectClock += dt;
    StepIce(field, dt);
    StepScoreDisplay(field, dt);
    StepIdle(field, dt);
    StepAmbientEffects(field);
}

void GameFieldObserver::StepAnimations(GameField& field, float dt)
{
    field._tipSlot.Step(dt);

    field._pointerClock += dt;
    if (field._pointerClock > 0.1f) {
        field._pointerClock = 0.0f;
        if (field._pointerStep < 2 * field._pointerRows)
            ++field._pointerStep;
    }
    field._boardClock += dt;
    field.UpdateSwingPieces(dt);

    for (auto ray = field._sunRays.begin(); ray != field._sunRays.end();) {
        ray->t += dt * ray->speed;
        ray->strip.SetProgress(ray->t);
        ray = ray->t >= 1.0f ? field._sunRays.erase(ray) : std::next(ray);
    }

    for (const auto& square : field._squares) {
        if (square->kind >= 0 && square->kind < kAnimatedKinds)
            square->Update(dt);
        square->phase += dt * square->phaseRate;
        square->phase -= std::floor(square->phase);
    }
}

void GameFieldObserver::StepSunRings(GameField& field)
{
    while (field._sunComplete && field._effectClock > field._nextSunRingTime) {
        const float spread = 0.5f + RandomTimes(3.0487990e-05f);
        const int green = 50 + RandomIndex(205);
        const int red = 50 + RandomIndex(205);
        const Color colour(static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green), 0, 255);
        field.AddController(new SunRing(&field, 0.2f, colour, spread));
        field._nextSunRingTime = field._effectClock + 1.5f + RandomTimes(3.0487990e-05f);
    }
}

void GameFieldObserver::StepSunPulse(GameField& field, float dt)
{
    field._sunPulse += dt * 0.79577535f;
    const float pulse = field._sunPulse;
    if (field._sunComplete || pulse < field._sunPulseEnd)
        field._sunScale = 1.0f + std::fabs(0.1f * std::sin(pulse * 3.14159f));
    else if (pulse >= field._sunPulseEnd + 0.5f)
        field._sunScale = 1.0f;
    else
        field._sunScale = 1.0f - std::fabs(0.04f * std::sin(pulse * 6.28318f));
}

void GameFieldObserver::StepSunGlow(GameField& field, float dt)
{
    const float dx = static_cast<float>(g_input.x - field._sunPosition.x - 50);
    const float dy = static_cast<float>(550 - g_input.y - field._sunPosition.y);
    const bool away = std::sqrt(dx * dx + dy * dy) >= 45.0f || field._tipSlot._titleShown || !field._canAcceptMouse;
    if (away) {
        field._sunGlow = std::max(0.0f, field._sunGlow - dt * 1024.0f);
        return;
    }
    field._sunHoverTime += dt;
    if (field._sunHoverTime > 0.3f || field._sunGlow > 0.0f)
        field._sunGlow = std::min(255.0f, field._sunGlow + dt * 1024.0f);
}

void GameFieldObserver::StepHurryWarning(GameField& field)
{
    const Player& player = ActivePlayer();
    if (player.timeToLevel - player.levelTime >= kHurryShare * player.timeToLevel || field._hurryShown ||
        field._stopTime || field._timeBonusRunning)
        return;
    field._hurryShown = true;
    field.ShowLetterText(field._timeOutText, Point(537, 50), 0.5f);
    g_sound.PlaySample("TimeUp");
    g_sound.FadeInTrack("TimeOut", 2.0f, true);
}

void GameFieldObserver::StepLevelClock(GameField& field, float dt)
{
    Player& player = ActivePlayer();
    player.totalTime += dt;
    // The clock runs up to the limit and one step past it, so that the
    // time-out (more than the time allowed) is reached; a level without
    // time has no clock.
    if (!field._isShowMessage && !field._stopTime && player.timeToLevel > 0.0f &&
        field._elapsed <= player.timeToLevel)
        field._elapsed += dt;
    player.levelTime = field._elapsed;

    // Once past the share, leaving costs a life: the question says so once.
    if (player.levelTime > kLostLifeShare * player.timeToLevel && !field._stopTime && !field._isBlocked &&
        field._canAcceptMouse && !gameInfo.NeedDecLivesOnExit())
        gameInfo.ShowExitConfirmation();
    if (player.levelTime > player.timeToLevel)
        field.CheckCompleteLevel();
    field._checkClock += dt;
    if (field._checkClock >= kCheckInterval) {
        field._checkClock = 0.0f;
        field.CheckCompleteLevel();
    }
}

void GameFieldObserver::StepIce(GameField& field, float dt)
{
    if (_iceDue) {
        if (field.SpreadIce())
            _iceDue = false;
        return;
    }
    field._iceClock += dt;
    if (field._iceClock >= kIceInterval) {
        field._iceClock = 0.0f;
        _iceDue = true;
    }
}

void GameFieldObserver::StepScoreDisplay(GameField& field, float dt)
{
    _scoreClock += dt;
    if (_scoreClock < kScoreStep)
        return;
    _scoreClock = 0.0f;
    field.StepShownScore();
}

void GameFieldObserver::StepIdle(GameField& field, float dt)
{
    if (!field._stopTime && !field._isShowMessage)
        field._idleTime += dt;
    if (field._idleTime > kIdleTipTime && !field._isBlocked)
        field.ShowTip(7, 0);
    if (field._idleTime > field._tipTime && !field._isBlocked && !field._isShowMessage && !field._msg3Blocked) {
        field.ShowHint();
        field._idleTime = 0.0f;
    }
}

void GameFieldObserver::StepAmbientEffects(GameField& field)
{
    for (int i = 0; i < 20; ++i) {
        float& due = field._ambientTimers[i];
        if (!(due < _time))
            continue;
        if (i == kTimerSparks) {
            if (field._levelTime - field._elapsed > 0.0f) {
                const Rect clip(301, 12, 472, 12);
                const char* const traces[] = {"timeLine1", "timeLine2"};
                for (int line = 0; line < 2; ++line)
                    field.AddController(new LevelLighting(80, 2.0f, 1.0f, field.LoadTraces(traces[line]), 3 + line,
                                                          &field, clip, true, 1.0f, false));
            }
            due += NextAmbientDelay();
        } else if (i == kContourLight) {
            field.AddController(new LevelContourLighting(0.5f, &field));
            due += NextAmbientDelay();
        } else {
            due += 1.0f;
        }
    }
}
