// The help board: a scene of help.xml loads its saved board, its cursor
// moves, presses, waits and fades as the scene says, the refill takes the
// scene's kinds in turn, and bad entries of the scene are skipped.

#include "PlayFixture.h"

#include "game/board/HelpSceneFile.h"

namespace {

class BoardHelpTest : public PlayTest {
protected:
    // A saved 4 x 4 board with a move (its first column 0 1 0 1, bottom
    // first) and help.xml with the scene's body.
    void WriteScene(const std::string& body, const std::string& attributes = "mouse_x=\"20\" mouse_y=\"-10\"")
    {
        GameField& source = MakeLaidOutBoard({{1, 3, 1, 3}, {0, 1, 3, 1}, {1, 4, 4, 2}, {0, 2, 2, 4}}, "Source");
        source.DumpState("column.txt");
        WriteGameFile("help.xml", "<Help>\n<MainHelp duration=\"5\" />\n<help name=\"other\" />\n"
                                  "<help name=\"scene\" " + attributes + " state=\"column.txt\">\n" + body +
                                      "</help>\n</Help>\n");
    }

    GameField& MakeHelpBoard()
    {
        GameField& board = MakeBoard("pole0");
        board._isHelpMode = true;
        return board;
    }

    static void Step(GameField& board, float seconds)
    {
        const int count = static_cast<int>(seconds / kFrameStep + 0.5f);
        for (int i = 0; i < count; ++i)
            board.StepHelp(kFrameStep);
    }
};

TEST_F(BoardHelpTest, TheRefillTakesTheScenesKindsInTurn)
{
    WriteScene("<rnd r=\"3\" />\n<rnd r=\"5\" />\n");
    GameField& board = MakeHelpBoard();
    board.RunHelp("scene");
    ASSERT_EQ(board._height, 4);
    EXPECT_EQ(board._helpRandoms, (std::vector<int>{3, 5}));
    for (int y = 0; y < 4; ++y)
        board.RemoveSquare(0, y);
    board.RunFalling(-80.0f, 0.02f, 0.02f);
    Frames(4.0f);
    EXPECT_EQ(KindsOf(board), (Layout{{5, 3, 1, 3}, {3, 1, 3, 1}, {5, 4, 4, 2}, {3, 2, 2, 4}}));
}

TEST_F(BoardHelpTest, TheCursorMovesPressesWaitsAndFadesAsTheSceneSays)
{
    WriteScene("<action name=\"fade\" duration=\"0.5\" alpha=\"1\" />\n"
               "<action name=\"mousemove\" duration=\"1\" x=\"20\" y=\"100\" />\n"
               "<action name=\"mousedown\" />\n"
               "<action name=\"sleep\" duration=\"2\" />\n");
    GameField& board = MakeHelpBoard();
    board.RunHelp("scene");
    EXPECT_EQ(board._helpCursor, Point(20, -10));
    EXPECT_TRUE(board._isActive);
    EXPECT_FALSE(board._canAcceptMouse);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.3f);

    Step(board, 0.25f);
    EXPECT_NEAR(board._helpBackgroundAlpha, 0.5f, 0.05f) << "halfway through the fade";
    Step(board, 0.3f);
    EXPECT_FLOAT_EQ(board._helpBackgroundAlpha, 1.0f);
    Step(board, 0.5f);
    EXPECT_GT(board._helpCursor.y, -10);
    EXPECT_LT(board._helpCursor.y, 100);
    EXPECT_EQ(board._helpCursor.x, 20);
    Step(board, 0.6f);
    EXPECT_EQ(board._helpCursor, Point(20, 100)) << "at the target: a chip";
    EXPECT_TRUE(board._isPressed || board._isSelected) << "the press reached the chip under the cursor";
    EXPECT_FALSE(board._canAcceptMouse) << "the board takes the mouse only inside its step";
}

TEST_F(BoardHelpTest, ASceneWithoutActionsLeavesTheCursorWhereItStarts)
{
    WriteScene("");
    GameField& board = MakeHelpBoard();
    board.RunHelp("scene");
    Step(board, 2.0f);
    EXPECT_EQ(board._helpCursor, Point(20, -10));
    EXPECT_FLOAT_EQ(board._helpBackgroundAlpha, 0.0f);
}

TEST_F(BoardHelpTest, AStepOfNoDurationEndsAtTheNextStep)
{
    WriteScene("<action name=\"mousemove\" duration=\"0\" x=\"20\" y=\"60\" />\n"
               "<action name=\"fade\" duration=\"-1\" alpha=\"0.7\" />\n");
    GameField& board = MakeHelpBoard();
    board.RunHelp("scene");
    board.StepHelp(kFrameStep); // takes the move
    board.StepHelp(kFrameStep); // ends it, takes the fade
    EXPECT_EQ(board._helpCursor, Point(20, 60));
    board.StepHelp(kFrameStep);
    EXPECT_FLOAT_EQ(board._helpBackgroundAlpha, 0.7f);
}

TEST_F(BoardHelpTest, AMissingSceneOrFileLeavesTheBoardFreeWithoutActions)
{
    GameField& board = MakeHelpBoard();
    board.RunHelp("scene");
    EXPECT_TRUE(board._helpActions.empty());
    EXPECT_FALSE(board._isBlocked);
    EXPECT_FLOAT_EQ(board._sunEnergy, 0.3f);
    WriteScene("<action name=\"sleep\" duration=\"1\" />\n");
    board.RunHelp("no such scene");
    EXPECT_TRUE(board._helpActions.empty());
}

TEST_F(BoardHelpTest, UnknownActionsAndKindsAreSkippedWithALogLineAndValuesCarryOver)
{
    WriteScene("<action name=\"jump\" duration=\"3\" />\n"
               "<action name=\"mousemove\" duration=\"2\" x=\"5\" y=\"6\" />\n"
               "<action name=\"fade\" duration=\"1\" alpha=\"0.5\" />\n"
               "<action name=\"mousedown\" />\n"
               "<rnd r=\"2\" />\n<rnd r=\"64\" />\n<rnd r=\"x\" />\n<rnd r=\"-1\" />\n<rnd r=\"161\" />\n");
    HelpScene scene;
    ASSERT_TRUE(ReadHelpScene("help.xml", "scene", scene));
    EXPECT_EQ(scene.state, "column.txt");
    ASSERT_EQ(scene.actions.size(), 3u);
    EXPECT_EQ(scene.actions[0].kind, HelpAction::kMouseMove);
    EXPECT_EQ(scene.actions[1].kind, HelpAction::kFade);
    EXPECT_EQ(scene.actions[1].x, 5) << "a fade keeps the move's target";
    EXPECT_EQ(scene.actions[2].kind, HelpAction::kMouseDown);
    EXPECT_FLOAT_EQ(scene.actions[2].alpha, 0.5f);
    EXPECT_EQ(scene.randoms, (std::vector<int>{2, 161}));
    const std::string log = LogText();
    EXPECT_NE(log.find("jump"), std::string::npos);
    EXPECT_NE(log.find("r=&quot;64&quot;"), std::string::npos);
}

} // namespace
