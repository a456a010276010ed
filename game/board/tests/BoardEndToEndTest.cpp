// The board in the real program's library: a layer file holds a "GameField",
// its script sends "RunStart", and frames run on a fixed time step. The board
// plays the first level of the game's own Level.xml.

#include "game/board/GameField.h"
#include "game/board/Square.h"

#include "engine/platform/Application.h"
#include "engine/render/tests/ImageFixtures.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "BoardSession.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace testing_support;

namespace {

constexpr std::int64_t kTicksPerSecond = 6000;
constexpr std::int64_t kTicksPerFrame = 100; // 60 frames a second

TEST(BoardEndToEnd, RunStartFromTheLayersScriptLaysOutTheGamesFirstLevel)
{
    EndToEndGame game("Board");
    for (const char* file : {"Level.xml", "LevelMap.xml", "GameplayConst.xml"})
        WriteTextFile(game.File(file), ReadTextFile(SourceDir() + "/data/" + file));
    WriteBoardScreenFiles(game);
    ASSERT_TRUE(game.Start());

    auto ticks = std::make_shared<std::int64_t>(0);
    game.App().timer = Timer([ticks] { return *ticks; }, kTicksPerSecond);
    game.App().showFrameRate = false; // its font is not in this game folder
    game.App().BeginLoop();
    Layer* layer = GUI.getLayer("Board");
    ASSERT_NE(layer, nullptr);
    auto* board = dynamic_cast<GameField*>(layer->getWidget("Field"));
    ASSERT_NE(board, nullptr) << "the program installs the board's creator";
    for (int frame = 0; frame < 8 * 60 && game.App().running; ++frame) {
        *ticks += kTicksPerFrame;
        game.App().Frame();
    }

    // Phoenicia_1: seven by seven plain cells of four colours, its artefact
    // piece in the middle.
    ASSERT_TRUE(board->HasLevel());
    EXPECT_EQ(board->_width, 7);
    EXPECT_EQ(board->_height, 7);
    EXPECT_EQ(board->_originX, 397);
    EXPECT_EQ(board->_originY, 160);
    EXPECT_EQ(board->_chipCount, 4);
    EXPECT_EQ(board->_levelGrid.At(3, 3), 0x50);
    EXPECT_EQ(board->_levelGrid.At(0, 0), 1);
    EXPECT_FLOAT_EQ(board->_levelTime, 295.0f);
    ASSERT_EQ(board->_squares.size(), 49u);
    for (const auto& square : board->_squares) {
        EXPECT_EQ(square->kind, board->_levelGrid.At(square->x, square->y) == 1 ? square->kind & 0xF
                                                                                 : board->_levelGrid.At(square->x, square->y));
        EXPECT_FLOAT_EQ(square->position.x, static_cast<float>(square->x * 40));
        EXPECT_FLOAT_EQ(square->position.y, static_cast<float>(square->y * 40));
        EXPECT_FLOAT_EQ(square->alpha, 255.0f);
    }
    EXPECT_EQ(board->_cellFade[0][0], 255);
    EXPECT_EQ(board->_cellFade[6][6], 255);
    EXPECT_FALSE(board->_isBlocked);
    EXPECT_TRUE(board->_isActive);

    const std::string log = ReadTextFile(game.File("log.htm"));
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << log;
}

} // namespace
