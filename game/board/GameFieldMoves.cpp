// The kind grid, lines of three and the possible moves.

#include "game/board/GameField.h"

#include "game/board/LineRuns.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"

#include <utility>

void GameField::UpdateKindMap()
{
    for (int x = 0; x < _width; ++x)
        for (int y = 0; y < _height; ++y)
            _kinds[x][y] = kNoSquare;
    // Squares above the board (new ones waiting to fall in) have no cell yet.
    for (const std::unique_ptr<Square>& square : _squares)
        if (IsOnBoard(square->x, square->y))
            _kinds[square->x][square->y] = square->kind;
}

bool GameField::SwapCells(int x1, int y1, int x2, int y2)
{
    if (!IsOnBoard(x1, y1) || !IsOnBoard(x2, y2))
        return false;
    int& first = _kinds[x1][y1];
    int& second = _kinds[x2][y2];
    if (first == kNoSquare || second == kNoSquare || IsFixedKind(first) || IsFixedKind(second))
        return false;
    std::swap(first, second);
    return true;
}

bool GameField::IsMatchAt(int x, int y) const
{
    if (!IsOnBoard(x, y) || !IsSquareKind(_kinds[x][y]))
        return false;
    const int colour = KindColour(_kinds[x][y]);
    const auto inRow = [this, y](int i) { return IsOnBoard(i, y) && _levelGrid.IsCell(i, y) ? _kinds[i][y] : -1; };
    const auto inColumn = [this, x](int i) {
        return IsOnBoard(x, i) && _levelGrid.IsCell(x, i) ? _kinds[x][i] : -1;
    };
    // A run of three among the five cells around the square passes through it.
    bool found = false;
    const auto onRun = [&found, colour](int, int, int runColour) { found = found || runColour == colour; };
    ForEachRun(5, [&inRow, x](int i) { return inRow(x - 2 + i); }, onRun);
    ForEachRun(5, [&inColumn, y](int i) { return inColumn(y - 2 + i); }, onRun);
    return found;
}

std::list<MoveRecord> GameField::FindMoves()
{
    UpdateKindMap();
    std::list<MoveRecord> moves;
    const auto tryMove = [this, &moves](int x1, int y1, int x2, int y2) {
        if (!SwapCells(x1, y1, x2, y2))
            return;
        if (IsMatchAt(x1, y1) || IsMatchAt(x2, y2))
            moves.push_back(MoveRecord{x1, y1, x2, y2});
        SwapCells(x1, y1, x2, y2);
    };
    for (int x = 0; x < _width; ++x) {
        for (int y = 0; y < _height; ++y) {
            tryMove(x, y, x + 1, y);
            tryMove(x, y, x, y + 1);
        }
    }
    return moves;
}
