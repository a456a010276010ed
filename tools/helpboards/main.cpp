// Writes a help board's saved state from a readable grid: one line a row,
// the top row first; a digit is a chip of that colour, "-" a cell without a
// square, "." no cell; lines starting with "#" are notes. The board is saved
// as the help board loads it, and the swaps that make a line are listed.
//
//   helpboards <grid file> <state file>

#include "game/board/GameField.h"
#include "game/board/Square.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

bool ReadGrid(const std::string& fileName, std::vector<std::string>& rows)
{
    std::ifstream in(fileName);
    if (!in)
        return false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (!rows.empty() && line.size() != rows.front().size())
            return false;
        rows.push_back(line);
    }
    return !rows.empty() && rows.size() <= LevelGrid::kSide && rows.front().size() <= LevelGrid::kSide;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: helpboards <grid file> <state file>\n";
        return 2;
    }
    std::vector<std::string> rows;
    if (!ReadGrid(argv[1], rows)) {
        std::cerr << argv[1] << ": not a grid of equal rows of at most " << LevelGrid::kSide << " cells\n";
        return 1;
    }

    auto board = std::make_unique<GameField>("HelpBoard", nullptr);
    board->_height = static_cast<int>(rows.size());
    board->_width = static_cast<int>(rows.front().size());
    board->_chipCount = 5;
    for (int i = 0; i < 5; ++i)
        board->_chips[i] = i;
    board->_levelTime = 100.0f;
    board->_tipTime = 1000.0f;
    board->_levelGrid.Clear();
    for (int row = 0; row < board->_height; ++row) {
        const int y = board->_height - 1 - row;
        for (int x = 0; x < board->_width; ++x) {
            const char c = rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(x)];
            if (c == '.')
                continue;
            board->_levelGrid.Set(x, y, 1);
            if (c >= '0' && c <= '9')
                board->AddSquare(std::make_unique<Square>(x, y, static_cast<float>(x * board->_cellSize),
                                                          static_cast<float>(y * board->_cellSize), c - '0'));
        }
    }
    board->UpdateKindMap();
    for (const MoveRecord& move : board->FindMoves())
        std::cout << argv[1] << ": a line by swapping " << move.x1 << "," << move.y1 << " and " << move.x2 << ","
                  << move.y2 << "\n";
    board->DumpState(argv[2]);
    return std::ifstream(argv[2]) ? 0 : 1;
}
