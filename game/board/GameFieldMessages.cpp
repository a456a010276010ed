// The board's commands: the message table and the handlers of its rows, and
// the end-of-level test.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/script/ScriptHost.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardControllerNames.h"
#include "game/board/BoardPictures.h"
#include "game/board/RunStart.h"
#include "game/board/ShowMessage.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/FieldAppearance.h"
#include "game/screens/MessageBox.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/StringTable.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/CheckBox.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool HasArtefactPiece(const std::list<std::unique_ptr<Square>>& squares)
{
    return std::any_of(squares.begin(), squares.end(), [](const std::unique_ptr<Square>& square) {
        return IsArtefactKind(square->kind);
    });
}

} // namespace

// One command: its publisher (and data, when given) and its handler.
struct GameField::MessageRow {
    const char* publisher;
    const char* data; // null: any data
    void (GameField::*handler)(const Message&);
};

// In the order the board tests them; the first row that matches runs.
const GameField::MessageRow GameField::kMessageTable[] = {
    {"StartCollectArtefact", nullptr, &GameField::OnStartCollectArtefact},
    {"FastCompleteLevel", nullptr, &GameField::OnFastCompleteLevel},
    {"AddLife", nullptr, &GameField::OnAddLife},
    {"DeleteLife", nullptr, &GameField::OnDeleteLife},
    {"WriteDebugInfo", nullptr, &GameField::OnWriteDebugInfo},
    {"RunStart", nullptr, &GameField::OnRunStart},
    {"RunDemo", nullptr, &GameField::OnRunDemo},
    {"StopDemo", nullptr, &GameField::OnStopDemo},
    {"Reset", nullptr, &GameField::OnReset},
    {"Pause", nullptr, &GameField::OnPause},
    {"Continue", nullptr, &GameField::OnContinue},
    {"MessageBoxBtn2", "press", &GameField::OnTipBoxButton},
    {"SetActive", nullptr, &GameField::OnSetActive},
    {"ClearSun", nullptr, &GameField::OnClearSun},
    {"InitLevelView", nullptr, &GameField::OnInitLevelView},
    {"Start", nullptr, &GameField::OnStart},
    {"LoadLevel", nullptr, &GameField::OnLoadLevel},
    {"Reshuffle", nullptr, &GameField::OnReshuffle},
};

void GameField::AcceptMessage(const Message& message)
{
    for (const MessageRow& row : kMessageTable) {
        if (message.publisher != row.publisher || (row.data && message.data != row.data))
            continue;
        (this->*row.handler)(message);
        return;
    }
}

bool GameField::IsBusy() const
{
    return _artInFly != 0 || _isBlocked || _isShowMessage;
}

void GameField::OnStartCollectArtefact(const Message&)
{
    StartArtefactCollecting();
}

void GameField::OnFastCompleteLevel(const Message&)
{
    if (IsBusy())
        return;
    StopTimeAndInput("_canAcceptMouse = ", "GameField::AcceptMessage");
    gameInfo.CompleteLevel();
    StartEndLevelManager(0);
}

void GameField::OnAddLife(const Message&)
{
    AddLifeEffect();
}

void GameField::OnDeleteLife(const Message&)
{
    StartDecLives();
}

void GameField::OnWriteDebugInfo(const Message&)
{
    WriteDebugInfo();
}

void GameField::OnRunStart(const Message&)
{
    AddController(new RunStart(this));
}

void GameField::OnRunDemo(const Message& message)
{
    RunDemo(message.integerParam);
}

void GameField::OnStopDemo(const Message&)
{
    StopDemo();
}

void GameField::OnReset(const Message&)
{
    Reset();
}

void GameField::OnPause(const Message&)
{
    for (const char* controllerName : BoardControllerNames::With(BoardControllerNames::kPaused))
        PauseController(controllerName);
}

void GameField::OnContinue(const Message&)
{
    for (const char* controllerName : BoardControllerNames::With(BoardControllerNames::kDecorative))
        ResumeController(controllerName);
    // A shown tip keeps the play paused.
    if (_isShowMessage)
        return;
    for (const char* controllerName : BoardControllerNames::With(BoardControllerNames::kPlay))
        ResumeController(controllerName);
}

MessageBox* GameField::OpenTipBox() const
{
    if (!_isShowMessage)
        return nullptr;
    for (Widget* child : children) {
        if (child && child->name == kTipBoxName)
            return dynamic_cast<MessageBox*>(child);
    }
    return nullptr;
}

void GameField::OnTipBoxButton(const Message&)
{
    // The button belongs to the tip box: without an open one the press is
    // a stray and changes nothing.
    MessageBox* box = OpenTipBox();
    if (!box) {
        WriteLogLine("GameField: \"MessageBoxBtn2\" pressed with no tip box open; ignored");
        return;
    }
    if (CheckBox* check = box->GetCheckBox()) {
        const Message state = check->QueryState(Message("GetState"));
        ActivePlayer().hintsEnabled = std::atoi(state.data.c_str()) > 0;
    }
    _closeTip = true;
    _bonusPointer = false;
    _artefactPointer = false;
    CallScriptFunction("SetShowHints");
}

void GameField::OnSetActive(const Message& message)
{
    _isActive = message.integerParam > 0;
}

void GameField::OnClearSun(const Message&)
{
    _sunComplete = false;
    _sunEnergy = 0.0f;
    _shownSunEnergy = 0.0f;
    if (ParticleEffect* sun = _sunEffect.Get())
        sun->Stop();
    _sunEffect = EffectHandle();
}

void GameField::OnInitLevelView(const Message&)
{
    StopController("FieldAppearance");
    _timerVisible = false;
    _sunStrike = false;
    _forcedRefills = 0;
    _tipsAllowed = false;
    _veilOn = false;

    Player& player = ActivePlayer();
    _title = GetText("Country" + IntToString(player.stage)) + " - " + _stageText + " " + IntToString(player.level);
    _level = player.level;
    _stage = player.stage;
    if (!_isHelpMode)
        KeepCountryPictures(_stage);
    _levelStartMaxStage = player.maxStage;
    _levelStartMaxLevel = player.maxLevel;
    _sunScale = 1.0f;
    _sunPulseEnd = -100.0f;
    // The sun's charge is the profile's, as saved: the same after the game
    // was closed and opened again, and on every country's board.
    _sunEnergy = std::clamp(player.sunEnergy, 0.0f, 1.0f);
    _shownSunEnergy = _sunEnergy;
    gameInfo.StoreLevelStartState();

    for (int i = 0; i < kBonusButtons; ++i) {
        _bonusButtons[i].count = player.bonusCount[i];
        _levelStartBonusCounts[i] = player.bonusCount[i];
    }

    // The bonuses recorded as used in this level return to the stock.
    const int stage = player.stage - 1;
    const int level = player.level - 1;
    _levelInfo = gameInfo.GetLevelInfo(stage, level);
    for (int i = 0; i < kBonusButtons; ++i) {
        const int used = _levelInfo.usedBonus[i];
        if (used > 0) {
            _bonusButtons[i].count += used;
            player.bonusCount[i] += used;
            _levelInfo.usedBonus[i] = 0;
        }
    }
    gameInfo.SetLevelInfo(stage, level, _levelInfo);

    // On the profile's frontier every bonus square of the level is placed.
    if (player.level == player.maxLevel && player.stage == player.maxStage) {
        LevelInfo frontier = gameInfo.GetLevelInfo(stage, level);
        for (int i = 0; i < kBonusButtons; ++i) {
            frontier.takedBonus[i] = 0;
            frontier.usedBonus[i] = 0;
        }
        gameInfo.SetLevelInfo(stage, level, frontier);
    }

    StartLevel(true);
}

void GameField::OnStart(const Message&)
{
    StartLevel(false);
    if (LevelPlayable())
        ActivePlayer().levelNotComp = true;
}

void GameField::OnLoadLevel(const Message&)
{
    Restart();
    LoadLevel(gameInfo.getLevelFileName());
    FillBoard();
    DropInSquares(1.8f);
    AddController(new FieldAppearance(0.5f, FieldAppearance::kFromCentre, this));
}

void GameField::OnReshuffle(const Message&)
{
    if (_isBlocked || _artInFly != 0)
        return;
    NoMoves("No moves! Reshuffle...");
}

// ------------------------------------------------------ end-of-level test

void GameField::StopTimeAndInput(const std::string& label, const std::string& operation)
{
    _stopTime = true;
    SetCanAcceptMouse(false, label, operation);
    _idleTime = 0.0f;
    StopController("SquareLight");
}

void GameField::CheckCompleteLevel()
{
    if (_isHelpMode || _isDemo || !_levelRunning || _loadFailed)
        return;

    if (!HasArtefactPiece(_squares)) {
        if (_endLevelRunning)
            return;
        StopTimeAndInput("_canAcceptMouse1 = ", "GameField::CheckCompleteLevel");
        // The test runs again when the blocking activity ends.
        if (IsBusy())
            return;
        gameInfo.CompleteLevel();
        StartEndLevelManager(0);
        return;
    }

    if (_endLevelRunning)
        return;
    const Player& player = ActivePlayer();
    if (!(player.levelTime > player.timeToLevel))
        return;
    StopTimeAndInput("_canAcceptMouse2 = ", "GameField::CheckCompleteLevel");
    if (IsBusy())
        return;
    StartEndLevelManager(1);
}
