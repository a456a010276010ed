// Boards of the game folder the build assembles, as a player sees them: the
// decorations of shaped boards in Babylon and Greece, a lock opened on its
// cell, and a reshuffle halfway through its turn. A picture of each is saved
// beside the test's output (decorated_boards/), with the run's log.htm,
// which must hold no error line.

#include "engine/script/ScriptHost.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/GameInfo.h"
#include "game/state/Player.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/Message.h"
#include "tests/e2e/GameFolderTest.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

class DecoratedBoardsTest : public GameFolderTest {
protected:
    DecoratedBoardsTest() : GameFolderTest("decorated_boards") { FixClockSeed(11); }
    ~DecoratedBoardsTest() override { UnfixClockSeed(); }

    // The level on its stage's screen, its opening tip closed.
    GameField* Play(Player& player, int stage, int level)
    {
        player.stage = player.maxStage = stage;
        player.level = player.maxLevel = level;
        player.lives = 3;
        if (!CallScriptFunction("StartStageLevel"))
            return nullptr;
        Frames(kFadeFrames + 6 * kFramesPerSecond);
        const std::string layerName = "StageLayer_" + std::to_string(stage);
        Layer* layer = GUI.getLayer(layerName);
        auto* board = layer ? dynamic_cast<GameField*>(layer->getWidget("GameField")) : nullptr;
        for (int tries = 0; board && board->_isShowMessage && tries < 3; ++tries) {
            Frames(kFramesPerSecond);
            Click(20, 20);
            Frames(kFramesPerSecond);
        }
        return board;
    }

    // Escape and "Yes": back to the menu.
    void Leave()
    {
        Key(SDLK_ESCAPE);
        Frames(kFramesPerSecond / 2);
        const std::string question = TopLayer();
        Layer* layer = GUI.getLayer(question);
        const Widget* yes = layer ? layer->getWidget("Yes") : nullptr;
        ASSERT_NE(yes, nullptr) << question;
        Click(yes->rect.x + yes->rect.w / 2, 600 - (yes->rect.y + yes->rect.h / 2));
        Frames(kFadeFrames);
    }
};

} // namespace

TEST_F(DecoratedBoardsTest, ShapedBoardsAnOpenedLockAndAReshuffleMidTurn)
{
    Player* const newProfile = NewProfileOnTheMenu("Iris");
    ASSERT_NE(newProfile, nullptr) << TopLayer();
    Player& iris = *newProfile;

    struct Shaped {
        int stage;
        int level;
        const char* picture;
    };
    for (const Shaped& shaped : {Shaped{2, 5, "babylon_5"}, Shaped{6, 4, "greece_4"}}) {
        SCOPED_TRACE(shaped.picture);
        GameField* board = Play(iris, shaped.stage, shaped.level);
        ASSERT_NE(board, nullptr);
        ASSERT_TRUE(board->HasLevel());
        ASSERT_FALSE(board->_isShowMessage);
        Picture(shaped.picture);

        if (shaped.stage == 2) {
            // A chip locked and opened: its sparkle on its cell.
            Square* chip = nullptr;
            for (const auto& square : board->_squares)
                if (square->kind >= 0 && square->kind < kKindLocked && square->x > 0)
                    chip = square.get();
            ASSERT_NE(chip, nullptr);
            chip->kind += kKindLocked;
            board->DestroySquare(chip->x, chip->y, 0.0f, -1, 0, 0);
            Frames(kFramesPerSecond / 10);
            Picture("lock_opened");
        } else {
            // A reshuffle halfway through its turn.
            board->AcceptMessage(Message("Reshuffle"));
            Frames(2 * kFramesPerSecond + kFramesPerSecond / 6);
            EXPECT_TRUE(board->_reshuffleRunning);
            Picture("reshuffle_mid_turn");
            Frames(3 * kFramesPerSecond);
            EXPECT_FALSE(board->_reshuffleRunning);
        }
        Leave();
        ASSERT_EQ(TopLayer(), "MainMenu");
    }

    Shutdown();
    const std::string log = LogText();
    WriteTextFile(_shots + "/log.htm", log);
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << "the run's log has error lines";
}
