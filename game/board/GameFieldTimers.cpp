// The level's clock and its timers: the timer bar's fill, the artefact
// pieces' flash, the skips to another level.

#include "game/board/GameField.h"

#include "game/board/ArtefactFlash.h"
#include "game/board/FillTimer.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/GameInfo.h"
#include "game/state/LevelMap.h"
#include "game/state/Player.h"
#include "gui/Message.h"

#include <algorithm>

namespace {
// The artefact flash comes again after a fifth of the time left, but never
// sooner than this.
constexpr float kMinFlashInterval = 30.0f;
} // namespace

void GameField::AddFillTimer()
{
    AddController(new FillTimer(this));
}

void GameField::StartArtefactFlash()
{
    StopController("ArtefactFlash");
    for (const auto& square : _squares) {
        if (IsArtefactKind(square->kind))
            AddController(new ArtefactFlash(this, square->kind - kKindArtefact));
    }
    const Player& player = ActivePlayer();
    _artefactFlashTime = std::max((player.timeToLevel - player.levelTime) * 0.2f, kMinFlashInterval);
}

void GameField::LeaveLevel()
{
    DeleteAllSquares();
    // The emptied board must not complete or time out before the next level.
    _levelRunning = false;
    _stopTime = true;
}

void GameField::NextLevel()
{
    if (_isBlocked || _isShowMessage)
        return;
    LeaveLevel();
    gameInfo.CompleteLevel();
    PostMessage(Message("NextLevel"));
}

void GameField::PreviousLevel()
{
    if (_isBlocked || _isShowMessage)
        return;
    Player& player = ActivePlayer();
    // The first level of the first stage has nothing before it.
    if (player.level <= 1 && player.stage <= 1)
        return;
    LeaveLevel();
    player.levelNotComp = false;
    if (player.level > 1) {
        --player.level;
    } else {
        --player.stage;
        player.level = std::max(1, static_cast<int>(gameInfo.GetMapStage(player.stage - 1).levels.size()));
    }
    PostMessage(Message("NextLevel"));
}
