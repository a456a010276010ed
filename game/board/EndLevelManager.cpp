#include "game/board/EndLevelManager.h"

#include "engine/platform/HtmlLog.h"
#include "engine/platform/InputState.h"
#include "engine/render/RenderDevice.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardControllerNames.h"
#include "game/board/GameField.h"
#include "game/board/effects/FieldAppearance.h"
#include "game/board/effects/LetterText.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/StringTable.h"
#include "gui/Widget.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/controllers/Fader.h"

#include <algorithm>
#include <cmath>

namespace {

const Point kPagePosition(330, 450);
const Point kStatisticsPosition(320, 540);
constexpr float kLetterDelay = 0.08f;
constexpr float kLetterSpeed = 0.2f;
constexpr int kLetterMode = 5;
constexpr int kLostTextMode = 2;
constexpr float kPageFadeSpeed = 2.0f;
// The life bonus's number in a level record: the level letter "V".
constexpr int kLifeBonusSlot = 4;


Layer* FindLayer(const std::string& layerName)
{
    Layer* layer = GUI.getLayer(layerName);
    if (!layer)
        LogError("EndLevelManager", "No layer \"" + layerName + "\"");
    return layer;
}

void Fade(Widget* widget, const Color& from, const Color& to)
{
    if (!widget)
        return;
    widget->setColor(from);
    kernel.AddController(new Fader(widget, to, false, kPageFadeSpeed));
}

void PushLayers(const std::string& veil, const std::string& page)
{
    Layer* veilLayer = FindLayer(veil);
    Layer* pageLayer = FindLayer(page);
    if (!veilLayer || !pageLayer)
        return;
    Screen.pushLayer(veilLayer);
    Screen.pushLayer(pageLayer);
}

} // namespace

Widget* FindPageWidget(const std::string& layerName, const std::string& widgetName)
{
    Layer* layer = FindLayer(layerName);
    if (!layer)
        return nullptr;
    Widget* widget = layer->getWidget(widgetName);
    if (!widget)
        LogError("EndLevelManager", "No widget \"" + widgetName + "\" in layer \"" + layerName + "\"");
    return widget;
}

float EndLevelManager::TimeLeftRatio(float timeToLevel, float levelTime)
{
    if (timeToLevel <= 0.0f)
        return 0.0f;
    return (timeToLevel - levelTime) / timeToLevel;
}

std::string EndLevelManager::DifficultyTag(float ratio)
{
    if (ratio >= 0.6f)
        return " [EASY]";
    if (ratio <= 0.2f)
        return " [HARD]";
    return " [NORMAL]";
}

EndLevelManager::EndLevelManager(GameField* field, bool lost)
    : FieldController("EndLevelManager", field)
    , _lost(lost)
{
    _created = true;
    _time = 0.0f;
    Player& player = ActivePlayer();

    GUI.SetTextVariable("MaxCountry", GetText("CountryUpper" + IntToString(player.maxStage)));
    PrepareLostLifePages();

    gameInfo.ShowEndGameConfirmation();
    g_sound.FadeOutTrack("TimeOut", 2.0f);

    if (_field) {
        _field->_isSelected = false;
        _field->_isPressed = false;
        _field->_tipsAllowed = false;
        if (_field->_isShowMessage)
            _field->_closeTip = true;
        _field->SetCanAcceptMouse(false, "_canAcceptMouse = ", "EndLevelManager::EndLevelManager");
        _field->_endLevelStarted = true;
    }
    g_renderDevice.SelectFont("Letter");

    if (_lost)
        StartLostLife();
    else
        StartLevelCompleteLetters();

    if (_field) {
        for (const char* name : BoardControllerNames::With(BoardControllerNames::kStoppedAtEnd))
            _field->StopController(name);
        _field->ClearSelection();
    }
    StartTimeBonus();
}

void EndLevelManager::PrepareLostLifePages()
{
    if (Widget* page = FindPageWidget("LoseLife", "LoseLife"))
        page->SetPosition(kPagePosition);
    if (Widget* livesLeft = FindPageWidget("LoseLife", "LivesLeft"))
        livesLeft->AcceptMessage(Message("SetText", ActivePlayer().lives > 2 ? "LivesLeft" : "OneLifeLeft"));
    if (Widget* page = FindPageWidget("GameOver", "GameOver"))
        page->SetPosition(kPagePosition);
}

bool EndLevelManager::AtFrontier() const
{
    return _field && _field->_stage == _field->_levelStartMaxStage && _field->_level == _field->_levelStartMaxLevel;
}

void EndLevelManager::StartLevelCompleteLetters()
{
    const Player& player = ActivePlayer();
    const float ratio = TimeLeftRatio(player.timeToLevel, player.levelTime);
    const std::string tag = player.timeToLevel > 0.0f ? DifficultyTag(ratio) : " [NORMAL]";
    if (AtFrontier() && _field->_stage > 1) {
        if (tag == " [EASY]")
            gameInfo.CountEasyLevel();
        else if (tag == " [HARD]")
            gameInfo.CountHardLevel();
    }
    const int stage = _field ? _field->_stage : player.stage;
    const int level = _field ? _field->_level : player.level;
    g_log.WriteLabeled("Level complete", "DarkGreen",
                       "Stage: " + IntToString(stage) + ", Level: " + IntToString(level) +
                           ", Time last: " + ToString(ratio * 100.0f) + "%" + tag);
    g_sound.PlayTrack("ScoreTick");
    if (!_field)
        return;

    const std::string& text = _field->_levelCompleteText;
    const int whole = g_renderDevice.TextWidthInFont(text, "Letter");
    for (std::size_t k = 0; k < text.size(); ++k) {
        const std::string letter = text.substr(k, 1);
        const int width = g_renderDevice.TextWidthInFont(letter, "Letter");
        const int upTo = g_renderDevice.TextWidthInFont(text.substr(0, k + 1), "Letter");
        const int index = static_cast<int>(k);
        auto* effect = new LetterText(LetterText::kBigTextPoint, letter, LetterText::Picture(), -kLetterDelay * static_cast<float>(index),
                                      kLetterSpeed, _field, kLetterMode);
        effect->SetTextPoint(Point(3 * index - whole / 2 - width / 2 + upTo, 0));
        effect->SetFont("Letter");
        effect->SetMessage("LevelComplete");
        _field->AddController(effect);
    }
}

void EndLevelManager::StartLostLife()
{
    Player& player = ActivePlayer();
    // The lives before this loss decide: the last one ends the game.
    const bool lastLife = player.lives - 1 <= 0;
    player.sunEnergy = 0.0f;
    if (_field) {
        _field->_sunEnergy = 0.0f;
        _field->_sunComplete = false;
        _field->StartDecLives();
    }
    if (lastLife)
        gameInfo.GameOverFlag() = true;
    if (_field)
        _field->AddController(new LetterText(LetterText::kBigTextPoint, _field->_youLoseLifeText, LetterText::Picture(), 0.0f,
                                             kLetterSpeed, _field, kLostTextMode));
    player.levelNotComp = false;
}

void EndLevelManager::StartTimeBonus()
{
    Player& player = ActivePlayer();
    _startScore = _finalScore = _field ? _field->_score : player.score;
    _secondsLeft = 0.0f;
    if (player.levelTime < player.timeToLevel) {
        _secondsLeft = player.timeToLevel - player.levelTime;
        _finalScore = _startScore + kPointsPerSecond * static_cast<int>(player.timeToLevel - player.levelTime);
    }
    player.timeBonus = _finalScore - _startScore;
}

void EndLevelManager::Update(float dt)
{
    _time += dt;
    if (!_field) {
        _finished = true;
        return;
    }
    _field->SetBlocked(true, "EndLevelManager::Update");
    _field->_sunHoverTime = 0.0f;
    _field->_sunGlow = 0.0f;
    for (float& glow : _field->_pieceGlow)
        glow -= 3.0f * dt;
    _field->_shownScore = _field->_score;
    _field->_isActive = false;

    if (!_scoreCommitted && _time > 0.0f) {
        gameInfo.setScore(_finalScore);
        // The hi-score table holds the level's result with its time bonus.
        gameInfo.WriteResultToHiScores();
        _field->_isPlayerMove = false;
        _field->_checkMovesPending = false;
        _scoreCommitted = true;
        _field->AddController(new FieldAppearance(0.38f, FieldAppearance::kFromCentre, _field, 1));
    }
    if (!_countDone && _time > kCountUpStart)
        CountUp(dt);
    if (!_resultShown && _countDone) {
        _resultShown = true;
        _stageStart = _time;
        if (!_lost)
            ShowStatistics();
    }
    if (!_waitDone && (!_lost || _time > _stageStart + kLostWait))
        _waitDone = _resultShown;
    _updated = true;
}

bool EndLevelManager::SkipPressed() const
{
    if (!g_input.buttonDown && !g_input.rightButton)
        return false;
    return !(g_input.x >= kCornerLeft && g_input.y <= kCornerBottom);
}

void EndLevelManager::CountUp(float dt)
{
    const float timeToLevel = ActivePlayer().timeToLevel;
    _stageStart = _time;
    _field->_elapsed += timeToLevel * dt * kBarFillRate;
    // A level without time has no bar to fill: only the clock ends it.
    const bool barFull = timeToLevel <= 0.0f || _field->_elapsed > timeToLevel;
    if ((barFull && _time > kCountUpTime) || SkipPressed()) {
        _field->_elapsed = timeToLevel;
        _countDone = true;
    }
    if (_startScore == _finalScore || _secondsLeft <= 0.0f)
        return;
    const int lifeCount = _field->_pointsPerLife > 0 ? _field->_score / _field->_pointsPerLife : 0;
    const float counted = _secondsLeft - (timeToLevel - _field->_elapsed);
    const float perSecond = static_cast<float>(_finalScore - _startScore) / _secondsLeft;
    // The bar fills on past the bonus: the score stops at the final score,
    // which the count's end shows exactly (the product above may round down).
    _field->_score = _countDone ? _finalScore
                                : std::clamp(_startScore + static_cast<int>(counted * perSecond), _startScore, _finalScore);
    _field->_shownScore = _field->_score;
    if (_field->_pointsPerLife > 0 && _field->_score / _field->_pointsPerLife > lifeCount)
        _field->AddLifeEffect();
}

void EndLevelManager::ShowStatistics()
{
    _field->StopController("LetterText");
    const Player& player = ActivePlayer();
    gameInfo.setNeedCollectArtefact(player.level == 1 && _field->_levelStartMaxStage < player.maxStage);
    Fade(FindPageWidget("Fade", "Fade"), Color(255, 255, 255, 0), Color(0, 0, 0, 128));
    Widget* statistics = FindPageWidget("Statistics", "Statistics");
    if (statistics)
        statistics->SetPosition(kStatisticsPosition);
    if (Widget* page = FindPageWidget("Statistics", "GameStatistics"))
        page->AcceptMessage(Message("Start"));
    Fade(statistics, Color(255, 255, 255, 0), Color(255, 255, 255, 255));
    PushLayers("Fade", "Statistics");
    g_sound.FadeOutAllTracks(1.0f);
}

bool EndLevelManager::IsFinished()
{
    return _finished || (_created && _scoreCommitted && _resultShown && _waitDone && _updated && _countDone);
}

EndLevelManager::~EndLevelManager()
{
    const bool ranToEnd = _created && _scoreCommitted && _resultShown && _waitDone && _updated && _countDone;
    g_sound.StopTrack("ScoreTick");
    if (!_field)
        return;
    _field->DeleteAllSquares();
    _field->SetCanAcceptMouse(true, "_canAcceptMouse = ", "EndLevelManager::~EndLevelManager");
    if (!_lost)
        return;
    RestoreLostLevel();
    const Player& player = ActivePlayer();
    const bool gameOver = player.lives <= 0;
    if (gameOver) {
        g_log.WriteLabeled("Lose last life", "DarkRed", "Game over");
        if (AtFrontier())
            gameInfo.IncreaseDifficultyLevel();
    } else {
        g_log.WriteLabeled("Life lose", "DarkRed", "Lifes: " + IntToString(player.lives));
        if (AtFrontier())
            gameInfo.DecreaseDifficultyLevel();
        _field->_shownLives = player.lives;
        GUI.SetTextVariable("LivesLeftCount", IntToString(player.lives));
    }
    // Stopped before its end (the board was reset): the screen has moved on.
    if (ranToEnd)
        ShowLostLifePage(gameOver ? "GameOver" : "LoseLife");
}

void EndLevelManager::RestoreLostLevel()
{
    Player& player = ActivePlayer();
    for (int i = 0; i < GameField::kBonusButtons; ++i)
        player.bonusCount[i] = _field->_levelStartBonusCounts[i];
    // The bonus squares taken in the lost attempt go back; the life bonuses
    // taken stay counted.
    LevelInfo record = _field->_levelInfo;
    record.takedBonus[kLifeBonusSlot] = _field->CurrentLevelInfo().takedBonus[kLifeBonusSlot];
    _field->_levelInfo = record;
    _field->StoreCurrentLevelInfo(record);
}

void EndLevelManager::ShowLostLifePage(const std::string& pageLayer)
{
    Fade(FindPageWidget(pageLayer, pageLayer), Color(255, 255, 255, 0), Color(255, 255, 255, 255));
    Fade(FindPageWidget("Fade_2", "Fade_2"), Color(0, 0, 0, 0), Color(0, 0, 0, 150));
    PushLayers("Fade_2", pageLayer);
}
