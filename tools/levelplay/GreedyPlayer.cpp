#include "tools/levelplay/GreedyPlayer.h"

#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/GameInfo.h"
#include "gui/Message.h"
#include "gui/controllers/ControllerManager.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>
#include <memory>

namespace {

constexpr float kFrameStep = 1.0f / 60.0f;
// Play goes on this long past the level's time, to tell "late" from "stuck".
constexpr float kOvertime = 30.0f;

void Frame()
{
    kernel.FlushPending();
    kernel.Update(kFrameStep);
    kernel.FlushPending();
}

bool IsPiece(int kind)
{
    return kind >= kKindArtefact && kind < kKindIce;
}

bool PiecesLeft(const GameField& board)
{
    for (const auto& square : board._squares)
        if (IsPiece(square->kind))
            return true;
    return board._artInFly > 0;
}

Point CellPoint(const GameField& board, int x, int y)
{
    return Point(board._originX + x * board._cellSize + board._cellSize / 2,
                 board._originY + y * board._cellSize + board._cellSize / 2);
}

// The row of the lowest piece in the column, or 0 when it holds none.
int LowestPieceRow(const GameField& board, int x)
{
    for (int y = 0; y < board._height; ++y)
        if (IsPiece(board._kinds[x][y]))
            return y;
    return 0;
}

// The cells of the runs of three or more through (x, y) on the grid.
void RunsThrough(const GameField& board, const int (&kinds)[20][20], int x, int y, std::set<std::pair<int, int>>& cells)
{
    const int kind = kinds[x][y];
    if (kind < 0 || !IsSquareKind(kind))
        return;
    const int colour = KindColour(kind);
    auto same = [&](int cx, int cy) {
        return cx >= 0 && cy >= 0 && cx < board._width && cy < board._height && kinds[cx][cy] >= 0 &&
               IsSquareKind(kinds[cx][cy]) && KindColour(kinds[cx][cy]) == colour;
    };
    for (const auto& step : {std::pair<int, int>{1, 0}, std::pair<int, int>{0, 1}}) {
        int from = 0;
        while (same(x - (from + 1) * step.first, y - (from + 1) * step.second))
            ++from;
        int to = 0;
        while (same(x + (to + 1) * step.first, y + (to + 1) * step.second))
            ++to;
        if (from + to + 1 >= 3)
            for (int k = -from; k <= to; ++k)
                cells.insert({x + k * step.first, y + k * step.second});
    }
}

// Larger is better: a piece moved down, then the cells the move clears
// under a piece, then cells cleared low on the board.
int MoveScore(const GameField& board, const MoveRecord& move)
{
    int kinds[20][20];
    std::copy(&board._kinds[0][0], &board._kinds[0][0] + 400, &kinds[0][0]);
    std::swap(kinds[move.x1][move.y1], kinds[move.x2][move.y2]);
    std::set<std::pair<int, int>> cleared;
    RunsThrough(board, kinds, move.x1, move.y1, cleared);
    RunsThrough(board, kinds, move.x2, move.y2, cleared);
    int score = 0;
    if ((IsPiece(board._kinds[move.x1][move.y1]) && move.y2 < move.y1) ||
        (IsPiece(board._kinds[move.x2][move.y2]) && move.y1 < move.y2))
        score += 10000;
    for (const auto& cell : cleared) {
        if (cell.second < LowestPieceRow(board, cell.first))
            score += 100;
        score += board._height - cell.second;
    }
    return score;
}

} // namespace

GreedyPlayer::GreedyPlayer(float thinkSeconds) : _thinkSeconds(thinkSeconds) {}

LevelPlayResult GreedyPlayer::Play(int stage, int level, std::uint32_t seed)
{
    Player& player = ActivePlayer();
    player = Player();
    player.stage = player.maxStage = stage;
    player.level = player.maxLevel = level;
    player.hintsEnabled = false;
    gameInfo.GameOverFlag() = false;
    FixClockSeed(seed);

    LevelPlayResult result;
    {
        auto board = std::make_unique<GameField>("Field", nullptr);
        board->AcceptMessage(Message("RunStart"));
        // The level loads after the start delay, then the squares rain in.
        for (int i = 0; i < 120 && !board->HasLevel(); ++i)
            Frame();
        for (int i = 0; i < 60 * 20 && board->_isBlocked; ++i)
            Frame();
        result.secondsAllowed = board->_levelTime;
        float wait = _thinkSeconds;
        while (PiecesLeft(*board) && result.secondsUsed < board->_levelTime + kOvertime) {
            Frame();
            result.secondsUsed += kFrameStep;
            if (board->_isBlocked || !board->_canAcceptMouse) {
                wait = _thinkSeconds;
                continue;
            }
            wait -= kFrameStep;
            if (wait > 0.0f)
                continue;
            if (MakeMove(*board)) {
                ++result.moves;
            } else if (!board->_isBlocked) {
                // No move: the board reshuffles as the game does.
                ++result.reshuffles;
                board->AcceptMessage(Message("Reshuffle"));
            }
            wait = _thinkSeconds;
        }
        result.finished = !PiecesLeft(*board) && result.secondsUsed <= board->_levelTime;
        board->AcceptMessage(Message("Reset"));
    }
    kernel.ForEachController([](IController& c) { c._finished = true; });
    kernel.FlushPending();
    kernel.Update(0.0f);
    UnfixClockSeed();
    return result;
}

bool GreedyPlayer::MakeMove(GameField& board)
{
    const std::list<MoveRecord> moves = board.FindMoves();
    const MoveRecord* best = nullptr;
    int bestScore = std::numeric_limits<int>::min();
    for (const MoveRecord& move : moves) {
        const int score = MoveScore(board, move);
        if (score > bestScore) {
            bestScore = score;
            best = &move;
        }
    }
    if (!best)
        return false;
    board.MouseDown(CellPoint(board, best->x1, best->y1));
    board.MouseUp(CellPoint(board, best->x1, best->y1));
    board.MouseDown(CellPoint(board, best->x2, best->y2));
    board.MouseUp(CellPoint(board, best->x2, best->y2));
    return true;
}
