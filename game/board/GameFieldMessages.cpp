// The board's commands: the message table and the handlers of its rows.

#include "game/board/GameField.h"

#include "engine/util/StringUtils.h"
#include "game/board/RunStart.h"
#include "game/state/GameInfo.h"
#include "gui/StringTable.h"

// One command: its publisher (and data, when given) and its handler.
struct GameField::MessageRow {
    const char* publisher;
    const char* data; // null: any data
    void (GameField::*handler)(const Message&);
};

// In the order the board tests them; the first row that matches runs. The
// other commands take their rows with the parts that answer them: the
// artefact collecting, the fast completion, the lives and the demo before
// "RunStart" and "Reset"; the pause, the continue and the tip box's button
// before "SetActive"; clearing the sun before "InitLevelView"; loading a
// level and the reshuffle after "Start".
const GameField::MessageRow GameField::kMessageTable[] = {
    {"WriteDebugInfo", nullptr, &GameField::OnWriteDebugInfo},
    {"RunStart", nullptr, &GameField::OnRunStart},
    {"Reset", nullptr, &GameField::OnReset},
    {"SetActive", nullptr, &GameField::OnSetActive},
    {"InitLevelView", nullptr, &GameField::OnInitLevelView},
    {"Start", nullptr, &GameField::OnStart},
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

void GameField::OnWriteDebugInfo(const Message&)
{
    WriteDebugInfo();
}

void GameField::OnRunStart(const Message&)
{
    AddController(new RunStart(this));
}

void GameField::OnReset(const Message&)
{
    Reset();
}

void GameField::OnSetActive(const Message& message)
{
    _isActive = message.integerParam > 0;
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
    _levelStartMaxStage = player.maxStage;
    _levelStartMaxLevel = player.maxLevel;
    _sunScale = 1.0f;
    _sunPulseEnd = -100.0f;
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
    ActivePlayer().levelNotComp = true;
}

void GameField::CheckCompleteLevel()
{
    // Filled by the end of level.
}
