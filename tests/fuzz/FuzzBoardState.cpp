// A saved board state loaded onto a board, as the help pages load theirs;
// the board then runs a few frames.
#include "game/board/GameField.h"
#include "gui/controllers/ControllerManager.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

GameField& Board()
{
    // Made once and kept: its pictures and controllers live as long as the
    // process, as a board's layer does in the game.
    static GameField* board = [] {
        fuzz::OpenGlOnce();
        fuzz::OpenScriptOnce();
        return new GameField("Field", nullptr);
    }();
    return *board;
}

void Run(const std::uint8_t* data, std::size_t size)
{
    GameField& board = Board();
    fuzz::WriteInput("state.txt", data, size);
    board.LoadBoardState("state.txt");
    for (int frame = 0; frame < 3; ++frame) {
        kernel.FlushPending();
        kernel.Update(0.05f);
    }
}

const fuzz::FuzzTarget target("board_state", Run);

} // namespace
