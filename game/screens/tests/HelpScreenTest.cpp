// The help screen: the show's steps timed from help.xml, a show that ends
// before its duration stops while one with a board's scene restarts, the
// captions' fades, steps without time, a restart while a board falls, and
// a controller that outlives its screen, and the log line a bad number in
// help.xml leaves.

#include "game/board/tests/PlayFixture.h"

#include "game/board/Square.h"
#include "game/screens/Help.h"
#include "game/screens/HelpController.h"
#include "tests/support/ScopedLogFile.h"

#include <cmath>

namespace {

class HelpScreenTest : public PlayTest {
protected:
    HelpScreenTest()
    {
        GameField& source = MakeLaidOutBoard({{1, 2, 0}, {0, 0, 3}, {2, 3, 1}}, "Source");
        source.DumpState("board.txt");
    }

    // help.xml with one window holding these steps, and a scene that swaps
    // the two zeros into a line.
    void WriteShow(float duration, const std::string& steps, const std::string& subWindows = "")
    {
        WriteGameFile("help.xml",
                      "<Help>\n<MainHelp duration=\"" + std::to_string(duration) +
                          "\">\n<Window x=\"10\" y=\"20\" w=\"300\" h=\"300\">\n"
                          "<FieldInFieldPos x=\"0\" y=\"0\" />\n" +
                          subWindows + steps +
                          "</Window>\n</MainHelp>\n"
                          "<help name=\"window1\" mouse_x=\"0\" mouse_y=\"0\" state=\"board.txt\">\n"
                          "<action name=\"mousemove\" duration=\"0.2\" x=\"100\" y=\"100\" />\n"
                          "<action name=\"mousedown\" />\n"
                          "<action name=\"mousemove\" duration=\"0.2\" x=\"100\" y=\"60\" />\n"
                          "<action name=\"mousedown\" />\n"
                          "<rnd r=\"3\" />\n<rnd r=\"4\" />\n</help>\n</Help>\n");
    }

    std::unique_ptr<Help> MakeHelp()
    {
        auto help = std::make_unique<Help>("Show", nullptr);
        kernel.FlushPending();
        return help;
    }
};

TEST_F(HelpScreenTest, AShowWhoseStepsEndBeforeItsDurationStopsWithTheLast)
{
    WriteShow(10.0f, "<Action name=\"Sleep\" duration=\"2\" />\n<Action name=\"Sleep\" duration=\"1\" />\n");
    std::unique_ptr<Help> help = MakeHelp();
    ASSERT_NE(help->_controller, nullptr);
    ASSERT_EQ(help->_actions.size(), 2u);
    EXPECT_FLOAT_EQ(help->_actions[1].start, 2.0f) << "a pause delays the steps after it";
    EXPECT_FALSE(help->_controller->running) << "stepped once and stopped when built";

    help->AcceptMessage(Message("Start"));
    Frames(2.5f);
    EXPECT_TRUE(help->_controller->running);
    Frames(1.0f);
    EXPECT_FALSE(help->_controller->running);
    EXPECT_NEAR(help->_controller->time, 3.0f, 0.05f);
}

TEST_F(HelpScreenTest, AShowWithABoardsSceneRunsToItsDurationAndStartsAgain)
{
    WriteShow(2.0f, "<Action name=\"RunHelp\" />\n");
    std::unique_ptr<Help> help = MakeHelp();
    help->AcceptMessage(Message("Start"));
    Frames(1.9f);
    EXPECT_TRUE(help->_controller->running);
    GameField& board = *help->_fields.front();
    EXPECT_TRUE(board._isHelpMode);
    EXPECT_EQ(board._width, 3) << "the window's own board plays its scene, no sub-window needed";
    Frames(0.2f);
    EXPECT_TRUE(help->_controller->running);
    EXPECT_LT(help->_controller->time, 0.2f) << "the show started again";
}

TEST_F(HelpScreenTest, StepsWithoutTimeFinishAtOnce)
{
    WriteShow(5.0f, "<Action name=\"Sleep\" duration=\"0\" />\n"
                    "<Action name=\"ShowText\" x=\"1\" y=\"2\" duration=\"-1\" tFade=\"0\" alpha1=\"0\" alpha2=\"0\">"
                    "<Text><string>a</string></Text></Action>\n");
    std::unique_ptr<Help> help = MakeHelp();
    help->AcceptMessage(Message("Start"));
    Frames(0.1f);
    for (const HelpScreenAction& action : help->_actions) {
        EXPECT_TRUE(action.finished) << action.name;
        EXPECT_FALSE(std::isnan(action.progress)) << action.name;
        EXPECT_FALSE(std::isnan(action.alpha)) << action.name;
    }
    EXPECT_FALSE(help->_controller->running);
    EXPECT_EQ(help->_actions[1].position, Point(11, 22)) << "a caption's place counts from its window";
}

TEST_F(HelpScreenTest, ACaptionFadesInHoldsAndFadesOut)
{
    HelpScreenAction caption;
    caption.name = "ShowText";
    caption.start = 1.0f;
    caption.duration = 4.0f;
    caption.tFade = 1.0f;
    caption.alpha1 = 55.0f;
    caption.alpha2 = 5.0f;
    EXPECT_FLOAT_EQ(caption.CaptionAlpha(0.5f), 55.0f) << "not started";
    caption.started = true;
    struct Case {
        float time;
        float alpha;
    };
    for (const Case& c : {Case{1.0f, 55.0f}, Case{1.5f, 155.0f}, Case{2.0f, 255.0f}, Case{3.5f, 255.0f},
                          Case{4.5f, 130.0f}, Case{5.0f, 5.0f}})
        EXPECT_NEAR(caption.CaptionAlpha(c.time), c.alpha, 0.01f) << c.time;
    caption.finished = true;
    EXPECT_FLOAT_EQ(caption.CaptionAlpha(6.0f), 5.0f);
    caption.finished = false;
    caption.tFade = 0.0f;
    EXPECT_FLOAT_EQ(caption.CaptionAlpha(1.0f), 255.0f) << "no fade";
}

TEST_F(HelpScreenTest, SubWindowsPanAlongTheirCurves)
{
    WriteShow(5.0f, "",
              "<SubWindow x=\"0\" y=\"0\" w=\"100\" h=\"100\"><FieldPos x=\"5\" y=\"6\" scale=\"0.5\" />"
              "<Action name=\"Move\" duration=\"2\"><X><Key value=\"0\" /><Key value=\"100\" /></X>"
              "<Y><Key value=\"10\" /><Key value=\"10\" /></Y></Action></SubWindow>\n");
    std::unique_ptr<Help> help = MakeHelp();
    ASSERT_EQ(help->_subWindows.size(), 1u);
    EXPECT_FLOAT_EQ(help->_subWindows[0].fieldScale, 0.5f);
    help->AcceptMessage(Message("Start"));
    Frames(1.0f);
    EXPECT_GT(help->_subWindows[0].fieldX, 20);
    EXPECT_LT(help->_subWindows[0].fieldX, 80);
    EXPECT_EQ(help->_subWindows[0].fieldY, 10);
}

TEST_F(HelpScreenTest, StoppingAndStartingWhileTheBoardFallsRunsClean)
{
    WriteShow(20.0f, "<Action name=\"RunHelp\" />\n");
    std::unique_ptr<Help> help = MakeHelp();
    GameField& board = *help->_fields.front();
    for (int round = 0; round < 3; ++round) {
        help->AcceptMessage(Message("Start"));
        bool fell = false;
        for (int i = 0; i < 120 && !fell; ++i) {
            Frames(kFrameStep);
            fell = board._isBlocked;
        }
        EXPECT_TRUE(fell) << "the scene's swap moves the board";
        Frames(0.1f);
        help->AcceptMessage(Message("Stop"));
        EXPECT_FALSE(help->_controller->running);
        EXPECT_FALSE(board._isActive);
        EXPECT_TRUE(board._helpActions.empty());
        Frames(0.5f);
    }
}

TEST_F(HelpScreenTest, TheControllerLeavesAScreenThatGoes)
{
    WriteShow(5.0f, "<Action name=\"RunHelp\" />\n");
    std::unique_ptr<Help> help = MakeHelp();
    help->AcceptMessage(Message("Start"));
    Frames(0.5f);
    HelpController* controller = help->_controller;
    help.reset();
    EXPECT_EQ(controller->_help, nullptr);
    Frames(0.5f);
}

TEST_F(HelpScreenTest, AMissingFileLeavesTheScreenEmptyWithoutAController)
{
    std::unique_ptr<Help> help = MakeHelp();
    EXPECT_EQ(help->_controller, nullptr);
    EXPECT_TRUE(help->_fields.empty());
    help->AcceptMessage(Message("Start"));
    help->AcceptMessage(Message("Stop"));
}

TEST_F(HelpScreenTest, ABadNumberIsLoggedWithItsWindowAndTakesTheDefault)
{
    struct Case {
        const char* what;
        std::string steps;
        std::string subWindows;
        const char* logged;
    };
    const Case cases[] = {
        {"a caption's place", "<Action name=\"ShowText\" x=\"left\" y=\"5\" duration=\"1\" />\n", "",
         "Window 1: &quot;x&quot; is not a number"},
        {"a step's time", "<Action name=\"Sleep\" duration=\"soon\" />\n", "",
         "Window 1: &quot;duration&quot; is not a number"},
        {"a sub-window's scale", "",
         "<SubWindow x=\"0\" y=\"0\" w=\"100\" h=\"100\"><FieldPos x=\"5\" y=\"6\" scale=\"half\" />"
         "</SubWindow>\n",
         "Window 1: &quot;scale&quot; is not a number"},
    };
    for (const Case& c : cases) {
        testing_support::ScopedLogFile log;
        WriteShow(5.0f, c.steps, c.subWindows);
        std::unique_ptr<Help> help = MakeHelp();
        const std::string text = log.Text();
        EXPECT_NE(text.find("help.xml"), std::string::npos) << c.what;
        EXPECT_NE(text.find(c.logged), std::string::npos) << c.what << "\n" << text;
        ASSERT_EQ(help->_fields.size(), 1u) << c.what << ": the rest of the show still loads";
    }

    // The numbers a bad one leaves: 0, and the scale's own 1.
    WriteShow(5.0f, "<Action name=\"ShowText\" x=\"left\" y=\"5\" duration=\"1\" />\n",
              "<SubWindow x=\"0\" y=\"0\" w=\"100\" h=\"100\"><FieldPos x=\"5\" y=\"6\" scale=\"half\" />"
              "</SubWindow>\n");
    std::unique_ptr<Help> help = MakeHelp();
    ASSERT_EQ(help->_subWindows.size(), 1u);
    EXPECT_FLOAT_EQ(help->_subWindows[0].fieldScale, 1.0f);
    ASSERT_EQ(help->_actions.size(), 1u);
    EXPECT_EQ(help->_actions[0].position, Point(10, 25)) << "the window's corner and y 5";
}

TEST_F(HelpScreenTest, AWellFormedShowLogsNothing)
{
    testing_support::ScopedLogFile log;
    WriteShow(5.0f, "<Action name=\"ShowText\" x=\"3\" y=\"5\" duration=\"1\" tFade=\"0.5\" />\n",
              "<SubWindow x=\"0\" y=\"0\" w=\"100\" h=\"100\"><FieldPos x=\"5\" y=\"6\" />"
              "<Action name=\"Move\" duration=\"2\"><X><Key value=\"0\" /><Key value=\"1.5\" /></X></Action>"
              "</SubWindow>\n");
    std::unique_ptr<Help> help = MakeHelp();
    EXPECT_EQ(log.Text().find("is not a number"), std::string::npos) << log.Text();
    ASSERT_EQ(help->_subWindows.size(), 1u);
    EXPECT_FLOAT_EQ(help->_subWindows[0].fieldScale, 1.0f) << "a scale left out";
}

} // namespace
