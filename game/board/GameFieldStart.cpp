// The start of a level, the random fill, the drop-in, and the two ways of
// stopping play: the reset and the restart.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/BoardControllerNames.h"
#include "game/board/Square.h"
#include "game/board/SquareFall.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/FieldAppearance.h"
#include "game/state/GameInfo.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>
#include <cmath>

namespace {

// A cell that cannot avoid a run after this many draws keeps its last one.
constexpr int kDrawsPerCell = 100;
// A board without a move after this many fills is kept.
constexpr int kFills = 100;
constexpr float kPi = 3.14159265f;

// The kind a fill gives a cell of that level code for a drawn colour: a
// colour group takes the colour, a preset content keeps its code, a plain
// cell is a plain chip.
int FillKind(int code, int colour)
{
    const bool colourGroup = (code >= kKindLocked && code < kKindStone) || (code >= kKindIce && code < kKindMusor);
    if (colourGroup)
        return code + colour;
    if ((code >= kKindStone && code < kKindIce) || code == kKindMusor)
        return code;
    return colour;
}

} // namespace

void GameField::StartLevel(bool reload)
{
    Player& player = ActivePlayer();
    _highlightSquare = nullptr;
    if (!reload)
        _endLevelRunning = false;

    if (reload) {
        LoadLevel(gameInfo.getLevelFileName());
    } else if (_loadFailed) {
        LogError("GameField", "The board \"" + name + "\" does not start: its level did not load");
    } else if (player.levelNotComp && !_squares.empty()) {
        // The level was left unfinished: its squares drop in again.
        DropInSquares(1.8f);
        AddController(new FieldAppearance(0.5f, FieldAppearance::kFromCentre, this));
    } else if (!_levelLoaded) {
        LogError("GameField", "The board \"" + name + "\" has no level to start");
    } else {
        FillBoard();
        DropInSquares(3.1f);
        AddController(new FieldAppearance(0.5f, FieldAppearance::kFromCentre, this, 0, 1.8f));
        AddFillTimer();
        g_sound.PlaySample("LevelStart");
        AddLevelStartTexts(player);
    }

    _score = player.score;
    _shownScore = player.score;
    _shownLives = player.lives;
    _isPressed = false;
    _isSelected = false;
    _selectedBonus = -1;
    _sunCharging = false;

    const bool firstLevelUntaught = player.stage == 1 && player.level == 1 && !gameInfo.IsHintShow("msg_1");
    _idleTime = firstLevelUntaught ? 1000.0f : -10.0f;

    std::fill(std::begin(_pieceGlow), std::end(_pieceGlow), 2.0f);
    _sunComplete = false;
    AddSunEnergy(0);
}

void GameField::FillBoard()
{
    if (!LevelPlayable() || _chipCount < 1) {
        LogError("GameField", "The board \"" + name + "\" has no level to fill");
        return;
    }
    SeedRandomFromClock();
    bool stuck = false;
    for (int fill = 1;; ++fill) {
        if (!DrawKinds())
            stuck = true;
        MakeSquaresFromKinds();
        if (!FindMoves().empty())
            break;
        if (fill >= kFills) {
            LogError("GameField", "Level \"" + _levelName + "\": no move after " + IntToString(kFills) +
                                             " fills; the last fill is kept");
            break;
        }
    }
    if (stuck)
        LogError("GameField", "Level \"" + _levelName +
                                         "\": its colours cannot avoid a line of three; a cell keeps its last colour");
}

bool GameField::DrawKinds()
{
    bool clean = true;
    for (int x = 0; x < _width; ++x)
        std::fill(_kinds[x], _kinds[x] + _height, kNoSquare);
    // Column by column, bottom to top: a run can only form with the cells
    // filled before (to the left and below).
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            const int code = _levelGrid.At(x, y);
            if (code <= 0)
                continue;
            for (int draw = 1;; ++draw) {
                _kinds[x][y] = FillKind(code, _chips[RandomInt() % _chipCount]);
                if (!IsMatchAt(x, y))
                    break;
                if (draw >= kDrawsPerCell) {
                    clean = false;
                    break;
                }
            }
        }
    }
    return clean;
}

void GameField::MakeSquaresFromKinds()
{
    DeleteAllSquares();
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            if (_kinds[x][y] == kNoSquare)
                continue;
            auto square = std::make_unique<Square>(x, y, static_cast<float>(x * _cellSize),
                                                   static_cast<float>(y * _cellSize), _kinds[x][y]);
            square->alpha = 255.0f;
            square->StartChipAnim();
            AddSquare(std::move(square));
        }
    }
}

void GameField::DropInSquares(float baseDelay)
{
    _isPlayerMove = false;
    _checkAfterFall = false;
    _fallAgain = false;
    // 2: the centre first; 3: the edges first.
    const int pattern = static_cast<int>(static_cast<float>(RandomInt()) / 32767.0f * 1.999f) + 2;
    for (int x = 0; x < _width; ++x) {
        int top = 0;
        for (int y = 0; y < LevelGrid::kSide; ++y)
            if (_levelGrid.At(x, y) != 0)
                top = y + 1;
        // One column has no wave across the board.
        const float wave = _width > 1 ? std::sin(kPi * static_cast<float>(x) / static_cast<float>(_width - 1)) : 0.0f;
        const float sine = wave * wave;
        for (int y = 0; y < _height; ++y) {
            Square* square = FindSquare(x, y);
            if (!square)
                continue;
            square->alpha = 0.0f;
            const Vector3 start(static_cast<float>(x * _cellSize), static_cast<float>(top * _cellSize),
                                square->position.z);
            ++top;
            const float row = 0.02f * static_cast<float>(y);
            const float delay = pattern == 2 ? baseDelay + sine + row : baseDelay + 1.0f + row - sine;
            auto* fall =
                new SquareFall(square, x, y, start, square->position, this, 0.0f, 255.0f, delay, -640.0f, false);
            fall->_playKnock = true;
            AddController(fall);
        }
    }
}

void GameField::Reset()
{
    _matchEnabled = false;
    ActivePlayer().levelNotComp = false;
    _levelRunning = false;

    StopControllersForReset();

    if (ParticleEffect* sun = _sunEffect.Get())
        sun->Stop();
    _sunEffect = EffectHandle();

    {
        // The reset's appearance, stepped once with no time and deleted: it
        // only blocks the board, which the reset unblocks at its end.
        FieldAppearance appearance(1.0f, FieldAppearance::kDiagonal, this);
        appearance.Update(0.0f);
    }

    _endLevelRunning = true;
    RemoveArtefactSquares();

    _endLevelStarted = true;
    gameInfo.GameOverFlag() = false;
    ActivePlayer().levelNotComp = false;
    ResumeController("GameFieldObserver");

    ClearSelection();

    DeleteAllSquares();

    _isActive = false;
    _checkAfterFall = false;
    _fallAgain = false;
    SetCanAcceptMouse(true, "_canAcceptMouse = ", "GameField::Reset");
    SetBlocked(false, "GameField::Reset");

    _isPlayerMove = false;
    _highlightSquare = nullptr;
    _isShowMessage = false;
    _tipShown = false;
    _levelRunning = true;
    _fallEnabled = true;
    _matchEnabled = true;
}

void GameField::StopControllersForReset()
{
    StopControllerEverywhere("ArtefactMover");
    _fallEnabled = false;
    StopControllerEverywhere("KillerSun");
    kernel.Update(0.0f);
    for (const char* controllerName : BoardControllerNames::With(BoardControllerNames::kReset))
        StopControllerEverywhere(controllerName);
    kernel.Update(0.0f);
}

void GameField::RemoveArtefactSquares()
{
    std::vector<Square*> pieces;
    for (const std::unique_ptr<Square>& square : _squares)
        if (IsArtefactKind(square->kind))
            pieces.push_back(square.get());
    for (Square* piece : pieces) {
        _artefactQueue.push_back(piece->kind - kKindArtefact);
        DeleteSquare(piece);
    }
}

void GameField::Restart()
{
    // No match check and no fall starts while the stopped controllers end.
    _matchEnabled = false;
    _fallEnabled = false;
    for (const char* controllerName : BoardControllerNames::With(BoardControllerNames::kMoving))
        StopControllerEverywhere(controllerName);
    kernel.Update(0.0f);

    _fieldEffects.clear();
    _isSelected = false;
    _isPressed = false;
    _idleTime = 0.0f;
    _elapsed = 0.0f;

    _checkAfterFall = false;
    _fallAgain = false;
    DeleteAllSquares();
    _matchEnabled = true;
    _fallEnabled = true;

    SetBlocked(false, "GameField::Restart");
}

void GameField::RestartHelp()
{
    Restart();
    _helpBackgroundAlpha = 0.0f;
    _isActive = false;
}

void GameField::StoreProgress()
{
    if (_isHelpMode)
        return;
    Player& player = ActivePlayer();
    player.levelNotComp = false;
    player.artefactQueue = _artefactQueue;
    player.lives = _shownLives;
    player.sunEnergy = _sunEnergy;
    for (int i = 0; i < kBonusButtons; ++i)
        player.bonusCount[i] = _bonusButtons[i].count;
}
