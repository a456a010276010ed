// The demo board: the level it picks, the actions it plans (the bonuses only
// with stock, none without a move, the flash on a kind found only in the
// last column), its cursor's speeds, the presses at the steps' ends, its
// refusal of a country out of range and its stop.

#include "PlayFixture.h"

#include "engine/util/Random.h"
#include "gui/Layer.h"
#include "gui/Message.h"
#include "gui/ResourceAccess.h"
#include "gui/ScreenImpl.h"

#include <algorithm>
#include <cmath>
#include <tinyxml.h>

namespace {

constexpr int H = PlayTest::kHole;

class BoardDemoTest : public PlayTest {
protected:
    BoardDemoTest()
    {
        std::vector<std::string> levels;
        for (int stage = 1; stage <= 2; ++stage)
            for (int level = 1; level <= 9; ++level)
                levels.push_back(LevelXml("S" + std::to_string(stage) + "L" + std::to_string(level),
                                          std::vector<std::string>(5, "11111")));
        WriteLevels(levels);
        WriteLevelMap({9, 9});
        gameInfo.LoadLevelMap();
    }
    ~BoardDemoTest() override { gameInfo.SetDemoMode(false); }

    static void NoBonuses(GameField& board)
    {
        Player& player = ActivePlayer();
        for (int& count : player.bonusCount)
            count = 0;
        board._sunComplete = false;
    }

    // The point a step ends at.
    static Point StepEnd(const DemoStep& step)
    {
        return Point(static_cast<int>(step.x.getGlobalFrame(1.0f)), static_cast<int>(step.y.getGlobalFrame(1.0f)));
    }
    static float StepLength(const DemoStep& step)
    {
        return std::hypot(step.x.getGlobalFrame(1.0f) - step.x.getGlobalFrame(0.0f),
                          step.y.getGlobalFrame(1.0f) - step.y.getGlobalFrame(0.0f));
    }
    static bool InCell(const GameField& board, const Point& p, int x, int y)
    {
        const int cx = board._originX + x * board._cellSize + board._cellSize / 2;
        const int cy = board._originY + y * board._cellSize + board._cellSize / 2;
        return p.x >= cx - 4 && p.x <= cx + 3 && p.y >= cy - 4 && p.y <= cy + 3;
    }
};

TEST_F(BoardDemoTest, TheFirstCountryPlaysOneOfItsFirstFiveLevelsTheOthersOneOfNine)
{
    GameField& board = MakeBoard();
    std::set<int> firstStage;
    std::set<int> secondStage;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SeedRandom(seed);
        board.RunDemo(1);
        firstStage.insert(ActivePlayer().level);
        SeedRandom(seed);
        board.RunDemo(2);
        secondStage.insert(ActivePlayer().level);
    }
    EXPECT_EQ(*firstStage.begin(), 1);
    EXPECT_EQ(*firstStage.rbegin(), 5);
    EXPECT_EQ(*secondStage.begin(), 1);
    EXPECT_EQ(*secondStage.rbegin(), 9);

    EXPECT_TRUE(board._isDemo);
    EXPECT_TRUE(gameInfo.IsDemoMode()) << "the demo plays on the default player";
    EXPECT_FALSE(board._isBlocked);
    EXPECT_EQ(board._demoCursor, Point(400, 300));
    for (int count : ActivePlayer().bonusCount) {
        EXPECT_GE(count, 2);
        EXPECT_LE(count, 4);
    }
    EXPECT_FALSE(board._squares.empty()) << "the level is filled";
}

TEST_F(BoardDemoTest, ACountryOutOfRangeIsRefusedWithALogLine)
{
    GameField& board = MakeBoard();
    for (int stage : {0, 8, -3}) {
        board.RunDemo(stage);
        EXPECT_FALSE(board._isDemo) << stage;
        EXPECT_FALSE(gameInfo.IsDemoMode()) << stage;
    }
    EXPECT_NE(LogText().find("RunDemo: stage 8"), std::string::npos);
}

TEST_F(BoardDemoTest, StopEndsTheDemoAndLeavesTheDefaultPlayer)
{
    GameField& board = MakeBoard();
    board.RunDemo(1);
    board.StopDemo();
    EXPECT_FALSE(board._isDemo) << "a board played after the demo shows no banner";
    EXPECT_FALSE(gameInfo.IsDemoMode());
    EXPECT_FALSE(board._isActive);
    EXPECT_TRUE(board._squares.empty());
}

TEST_F(BoardDemoTest, WithoutStockOrChargeEveryActionIsAMoveAndWithoutAMoveNothing)
{
    // One move: the 0 at the top right goes down to make 0 0 0.
    WatchedField& board = MakeLaidOutBoard({{1, 2, 0}, {0, 0, 3}, {2, 3, 1}});
    NoBonuses(board);
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        board._demoSteps.clear();
        board.PlanDemoMove();
        ASSERT_EQ(board._demoSteps.size(), 2u) << seed;
        EXPECT_TRUE(InCell(board, StepEnd(board._demoSteps[0]), 2, 2)) << "the neighbour first";
        EXPECT_TRUE(InCell(board, StepEnd(board._demoSteps[1]), 2, 1)) << "then dragged onto the cell";
    }

    WatchedField& dead = MakeLaidOutBoard({{0, 1, 2}, {3, 4, 0}, {1, 2, 3}}, "Dead");
    NoBonuses(dead);
    ActivePlayer().bonusCount[0] = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        dead.PlanDemoMove();
        EXPECT_TRUE(dead._demoSteps.empty()) << seed;
    }
}

TEST_F(BoardDemoTest, TheDragIsNeverFasterThanOneHundredPointsASecondTheApproachNeverSlower)
{
    WatchedField& board = MakeLaidOutBoard({{1, 2, 0}, {0, 0, 3}, {2, 3, 1}});
    NoBonuses(board);
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SeedRandom(seed);
        board._demoCursor = Point(100, 500);
        board._demoSteps.clear();
        board.PlanDemoMove();
        ASSERT_EQ(board._demoSteps.size(), 2u);
        const float approach = board._demoSteps[0].rate * StepLength(board._demoSteps[0]);
        const float drag = board._demoSteps[1].rate * std::max(1.0f, StepLength(board._demoSteps[1]));
        EXPECT_GE(approach, 100.0f);
        EXPECT_LE(approach, 200.0f);
        EXPECT_GE(drag, 50.0f);
        EXPECT_LE(drag, 100.0f);
    }
}

TEST_F(BoardDemoTest, TheFlashFindsAKindStandingOnlyInTheLastColumn)
{
    // Kind 4 is the most common and stands only in the last column (and
    // the top row): drawn cells that never reach it would never end.
    WatchedField& board = MakeLaidOutBoard({{0, 1, 4}, {2, 3, 4}, {1, 0, 4}});
    NoBonuses(board);
    ActivePlayer().bonusCount[0] = 1;
    int flashes = 0;
    for (std::uint32_t seed = 1; seed <= 400 && flashes < 3; ++seed) {
        SeedRandom(seed);
        board._demoSteps.clear();
        board.PlanDemoMove();
        if (board._demoSteps.size() != 2u)
            continue;
        const HoverRect& button = board._bonusButtons[0];
        if (StepEnd(board._demoSteps[0]) != Point(static_cast<int>(button.left) + 18, static_cast<int>(button.top) + 22))
            continue;
        ++flashes;
        const Point target = StepEnd(board._demoSteps[1]);
        EXPECT_TRUE(InCell(board, target, 2, 0) || InCell(board, target, 2, 1) || InCell(board, target, 2, 2))
            << target.x << "," << target.y;
    }
    EXPECT_GE(flashes, 1) << "some seed takes the flash";
}

TEST_F(BoardDemoTest, TheCursorPressesWhereAStepEndsAndPausesBeforeTheNext)
{
    WatchedField& board = MakeLaidOutBoard({{1, 2, 0}, {0, 0, 3}, {2, 3, 1}});
    NoBonuses(board);
    board._isDemo = true;
    board._bannerShown = true;
    board._bannerAlpha = 255.0f;
    board._canAcceptMouse = false;
    SeedRandom(3);
    board.PlanDemoMove();
    ASSERT_EQ(board._demoSteps.size(), 2u);
    const Point first = StepEnd(board._demoSteps[0]);

    float seconds = 0.0f;
    while (board._demoStepIndex == 0 && seconds < 20.0f) {
        board.StepDemo(kFrameStep);
        seconds += kFrameStep;
    }
    EXPECT_EQ(board._demoCursor, first);
    EXPECT_FLOAT_EQ(board._demoStepTime, -0.3f);
    EXPECT_TRUE(board._isPressed || board._isSelected) << "the press reached the chip";
    EXPECT_FALSE(board._canAcceptMouse) << "the player's mouse stays out";
    EXPECT_LT(board._bannerAlpha, 255.0f);
}

TEST_F(BoardDemoTest, WithNoMoveTheDemoStepsOnWithoutAPress)
{
    WatchedField& board = MakeLaidOutBoard({{0, 1, 2}, {3, 4, 0}, {1, 2, 3}});
    NoBonuses(board);
    board._isDemo = true;
    board._bannerShown = true;
    for (int i = 0; i < 120; ++i)
        EXPECT_TRUE(board.StepDemo(kFrameStep));
    EXPECT_TRUE(board._demoSteps.empty());
    EXPECT_EQ(board._demoCursor, Point());
    EXPECT_FALSE(board._isPressed);
}

TEST_F(BoardDemoTest, APressOfThePlayerIsReportedForTheScreen)
{
    WatchedField& board = MakeLaidOutBoard({{0, 1, 2}, {3, 4, 0}, {1, 2, 3}});
    board._isDemo = true;
    board._stage = 3;
    board._canAcceptMouse = false;
    g_messageQueue.clear();
    EXPECT_TRUE(board.MouseDown(Point(board._originX + 20, board._originY + 20)));
    EXPECT_FALSE(board._isPressed) << "the player's press does not play";
    ASSERT_EQ(g_messageQueue.size(), 1u);
    EXPECT_EQ(g_messageQueue.front().publisher, "DemoInput");
    EXPECT_EQ(g_messageQueue.front().data, "press");
    EXPECT_EQ(g_messageQueue.front().integerParam, 3) << "the screen knows which board to stop";
    g_messageQueue.clear();
}

} // namespace

namespace {

class RecordingGroups : public ResourceGroupService {
public:
    void UploadGroup(const std::string& group) override { journal.push_back("upload " + group); }
    void ReleaseGroup(const std::string& group) override { journal.push_back("release " + group); }
    std::vector<std::string> journal;
};

} // namespace

TEST_F(BoardDemoTest, MovingOnReleasesThePicturesOfTheStageItLeaves)
{
    TiXmlDocument document;
    document.Parse("<Layer name='StageLayer_2'><Controls/></Layer>");
    Layer leaving(document.RootElement());
    RecordingGroups groups;
    GuiResources::SetGroupService(&groups);
    Screen.ClearLayers();
    Screen.SetLayer(&leaving);
    GameField& board = MakeBoard();
    board.RunDemo(2);
    board.MoveDemoOn();
    Screen.ClearLayers();
    GuiResources::SetGroupService(nullptr);
    const auto released = [&](const std::string& group) {
        return std::count(groups.journal.begin(), groups.journal.end(), "release " + group);
    };
    EXPECT_EQ(released("StageLayer_2"), 1);
    EXPECT_EQ(released("Babylon"), 1); // the country's own group, when the data has one
}
