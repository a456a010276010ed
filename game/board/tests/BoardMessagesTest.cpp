// The board's commands: pausing and resuming its controllers, the fast
// completion refused while busy, the tip box's button, and the end of a
// level (completion, time-out) and the skips to another level; lives, the
// sun, activity and a reshuffle on request.

#include "PlayFixture.h"

#include "game/board/ShowMessage.h"
#include "game/board/effects/DecLives.h"
#include "game/board/effects/LifeBonus.h"
#include "game/screens/MessageBox.h"
#include "gui/Message.h"
#include "gui/widgets/CheckBox.h"

namespace {

// A board controller of any name that counts its steps.
class StepCounter : public FieldController {
public:
    StepCounter(const std::string& ownName, GameField* field) : FieldController(ownName, field) {}
    void Update(float) override { ++steps; }
    bool IsFinished() override { return _finished; }
    int steps = 0;
};

// An artefact piece.
constexpr int kPiece = kKindArtefact + 3;

} // namespace

class BoardMessagesTest : public PlayTest {
protected:
    BoardMessagesTest()
    {
        WriteLevelMap({3, 4});
        gameInfo.LoadLevelMap();
        Player& player = ActivePlayer();
        player.stage = player.maxStage = 1;
        player.level = player.maxLevel = 2;
        player.timeToLevel = 100.0f;
        player.levelTime = 10.0f;
    }

    // A board with a running level: one artefact piece or none.
    WatchedField& MakeLevelBoard(bool withPiece)
    {
        WatchedField& board =
            MakeLaidOutBoard({{0, 1, 2}, {1, 2, withPiece ? kPiece : 0}, {2, 0, 1}});
        board._levelRunning = true;
        return board;
    }

    static void Send(GameField& board, const std::string& publisher, const std::string& data = "")
    {
        board.AcceptMessage(Message(publisher, data));
    }

    // The level of the profile as stage * 100 + level.
    static int ProfileLevel() { return ActivePlayer().stage * 100 + ActivePlayer().level; }
};

TEST_F(BoardMessagesTest, PauseTwiceAndOneContinueResumeByNameAndATipKeepsThePlayStill)
{
    struct Case {
        const char* name;
        bool afterContinue;     // runs again after "Continue"
        bool underTipContinue;  // runs again after "Continue" while a tip is shown
    };
    const Case cases[] = {
        {"GameFieldObserver", true, true}, {"SunRing", true, true},          {"SquareDestroyer", true, true},
        {"SquareFall", true, false},       {"EndLevelManager", true, false}, {"CheckMatchRunner", true, false},
        {"ArtefactCollecting", false, false},
    };
    for (const bool tipShown : {false, true}) {
        WatchedField& board = MakeLevelBoard(false);
        std::vector<StepCounter*> counters;
        for (const Case& c : cases) {
            counters.push_back(new StepCounter(c.name, &board));
            board.AddController(counters.back());
        }
        Frames(kFrameStep);

        Send(board, "Pause");
        Send(board, "Pause");
        std::vector<int> before;
        for (const StepCounter* counter : counters)
            before.push_back(counter->steps);
        Frames(0.1f);
        for (std::size_t i = 0; i < counters.size(); ++i)
            EXPECT_EQ(counters[i]->steps, before[i]) << cases[i].name << " runs while paused";

        board._isShowMessage = tipShown;
        Send(board, "Continue");
        Frames(0.1f);
        for (std::size_t i = 0; i < counters.size(); ++i) {
            const bool runs = tipShown ? cases[i].underTipContinue : cases[i].afterContinue;
            EXPECT_EQ(counters[i]->steps > before[i], runs) << cases[i].name << (tipShown ? " under a tip" : "");
        }
        board._isShowMessage = false;
        Send(board, "Continue");
        for (StepCounter* counter : counters)
            counter->Stop();
        Frames(kFrameStep);
    }
}

TEST_F(BoardMessagesTest, FastCompletionIsRefusedWhileBusyAndOtherwiseEndsTheLevel)
{
    struct Case {
        const char* busy;
        int artInFly;
        bool blocked;
        bool tipShown;
    };
    const Case cases[] = {
        {"a piece in flight", 1, false, false}, {"blocked", 0, true, false}, {"a tip shown", 0, false, true}};
    for (const Case& c : cases) {
        WatchedField& board = MakeLevelBoard(true);
        board._artInFly = c.artInFly;
        board._isBlocked = c.blocked;
        board._isShowMessage = c.tipShown;
        Send(board, "FastCompleteLevel");
        EXPECT_FALSE(board._endLevelRunning) << c.busy;
        EXPECT_FALSE(board._stopTime) << c.busy;
        EXPECT_TRUE(board._canAcceptMouse) << c.busy;
        EXPECT_EQ(ProfileLevel(), 102) << c.busy;
    }

    WatchedField& board = MakeLevelBoard(true);
    board._idleTime = 5.0f;
    Send(board, "FastCompleteLevel");
    EXPECT_TRUE(board._endLevelRunning);
    EXPECT_TRUE(board._stopTime);
    EXPECT_FALSE(board._canAcceptMouse);
    EXPECT_EQ(board._idleTime, 0.0f);
    EXPECT_EQ(ProfileLevel(), 103);
}

TEST_F(BoardMessagesTest, TheTipBoxButtonIsIgnoredWithoutAnOpenBoxAndReadsTheCheckBoxOfTheOpenOne)
{
    WriteGameFile("buttons.xml", "<Buttons><MessageBoxBtn1><text>Show tips</text></MessageBoxBtn1>"
                                 "<MessageBoxBtn2 /></Buttons>");
    WatchedField& board = MakeLevelBoard(false);
    ActivePlayer().hintsEnabled = true;

    // A stray press: no box at all, or a box that is not the open tip.
    Send(board, "MessageBoxBtn2", "press");
    EXPECT_FALSE(board._closeTip);
    auto box = std::make_unique<MessageBox>(kTipBoxName);
    ASSERT_NE(box->GetCheckBox(), nullptr);
    box->GetCheckBox()->AcceptMessage(Message("SetState", "0"));
    board.children.push_back(box.get());
    Send(board, "MessageBoxBtn2", "press");
    EXPECT_FALSE(board._closeTip) << "no tip is shown";
    EXPECT_TRUE(ActivePlayer().hintsEnabled);

    // The open tip: its unticked check box turns the hints off.
    board._isShowMessage = true;
    board._bonusPointer = board._artefactPointer = true;
    Send(board, "MessageBoxBtn2", "down");
    EXPECT_FALSE(board._closeTip) << "only the press closes the tip";
    Send(board, "MessageBoxBtn2", "press");
    EXPECT_TRUE(board._closeTip);
    EXPECT_FALSE(ActivePlayer().hintsEnabled);
    EXPECT_FALSE(board._bonusPointer);
    EXPECT_FALSE(board._artefactPointer);

    board.children.clear();
}

TEST_F(BoardMessagesTest, ABoardWithoutPiecesCompletesAtTheFirstCheckAndAPieceInFlightHoldsIt)
{
    WatchedField& board = MakeLevelBoard(false);
    board._artInFly = 1;
    board.CheckCompleteLevel();
    EXPECT_FALSE(board._endLevelRunning);
    EXPECT_TRUE(board._stopTime) << "the clock stops while the piece flies";
    EXPECT_FALSE(board._canAcceptMouse);
    EXPECT_EQ(ProfileLevel(), 102);

    board._artInFly = 0;
    board.CheckCompleteLevel();
    EXPECT_TRUE(board._endLevelRunning);
    EXPECT_EQ(ProfileLevel(), 103);
    board.CheckCompleteLevel();
    EXPECT_EQ(ProfileLevel(), 103) << "a level completes once";
}

TEST_F(BoardMessagesTest, TheTimeOutNeedsMoreThanTheTimeAllowedAndAPieceLeftOnTheBoard)
{
    struct Case {
        float used;
        bool helpOrDemo;
        bool timedOut;
    };
    const Case cases[] = {{99.0f, false, false}, {100.0f, false, false}, {100.01f, false, true}, {150.0f, true, false}};
    for (const Case& c : cases) {
        WatchedField& board = MakeLevelBoard(true);
        board._isDemo = c.helpOrDemo;
        ActivePlayer().levelTime = c.used;
        board.CheckCompleteLevel();
        EXPECT_EQ(board._endLevelRunning, c.timedOut) << c.used;
        EXPECT_EQ(board._stopTime, c.timedOut) << c.used;
        EXPECT_EQ(ProfileLevel(), 102) << "a time-out completes nothing";
    }
}

TEST_F(BoardMessagesTest, NextLevelEmptiesTheBoardAdvancesAndPostsAndTheChecksEndThere)
{
    g_messageQueue.clear();
    WatchedField& blocked = MakeLevelBoard(true);
    blocked._isBlocked = true;
    blocked.NextLevel();
    EXPECT_FALSE(blocked._squares.empty());
    EXPECT_TRUE(g_messageQueue.empty());
    blocked._isBlocked = false;

    WatchedField& board = MakeLevelBoard(true);
    board.NextLevel();
    EXPECT_TRUE(board._squares.empty());
    EXPECT_EQ(ProfileLevel(), 103);
    ASSERT_EQ(g_messageQueue.size(), 1u);
    EXPECT_EQ(g_messageQueue.front().publisher, "NextLevel");

    // The once-a-second test finds an empty board: it must not complete it.
    Frames(2.5f);
    EXPECT_FALSE(board._endLevelRunning);
    EXPECT_EQ(ProfileLevel(), 103);
    g_messageQueue.clear();
}

TEST_F(BoardMessagesTest, PreviousLevelStepsBackAcrossStagesAndStopsAtTheFirstLevel)
{
    struct Case {
        int stage, level;
        int expected; // stage * 100 + level afterwards
        bool posted;
    };
    const Case cases[] = {{1, 3, 102, true}, {2, 1, 103, true}, {1, 1, 101, false}};
    for (const Case& c : cases) {
        g_messageQueue.clear();
        WatchedField& board = MakeLevelBoard(true);
        ActivePlayer().stage = c.stage;
        ActivePlayer().level = c.level;
        ActivePlayer().levelNotComp = true;
        board.PreviousLevel();
        EXPECT_EQ(ProfileLevel(), c.expected) << c.stage << "/" << c.level;
        EXPECT_EQ(g_messageQueue.size(), c.posted ? 1u : 0u) << c.stage << "/" << c.level;
        EXPECT_EQ(board._squares.empty(), c.posted) << c.stage << "/" << c.level;
        EXPECT_EQ(ActivePlayer().levelNotComp, !c.posted) << c.stage << "/" << c.level;
        Frames(1.5f);
        EXPECT_FALSE(board._endLevelRunning) << "the emptied board is not checked";
    }
    g_messageQueue.clear();
}

TEST_F(BoardMessagesTest, LoadLevelRestartsTheBoardOnTheProfilesLevelAndDropsItIn)
{
    WriteLevels({LevelXml("S1L2", {"1111", "1A11", "1111"}, {{"artefact_begin", "0"}})});
    WatchedField& board = MakeLevelBoard(false);
    Send(board, "LoadLevel");
    ASSERT_TRUE(board.HasLevel());
    EXPECT_EQ(board._width, 4);
    EXPECT_EQ(board._height, 3);
    EXPECT_EQ(board._squares.size(), 12u);
    EXPECT_EQ(std::count_if(board._squares.begin(), board._squares.end(),
                            [](const std::unique_ptr<Square>& s) { return IsArtefactKind(s->kind); }),
              1);
    EXPECT_EQ(Controllers(board, "FieldAppearance").size(), 1u);
    EXPECT_EQ(Controllers(board, "SquareFall").size(), 12u) << "every square drops in";
}

TEST_F(BoardMessagesTest, LivesSunActivityAndAReshuffleOnRequestThatABusyBoardRefuses)
{
    GameField& board = MakeLiveBoard({{0, 1, 2}, {1, 2, 0}, {2, 0, 1}});
    Send(board, "AddLife");
    EXPECT_EQ(EffectsOf<LifeBonus>(board).size(), 1u);
    Send(board, "DeleteLife");
    EXPECT_EQ(EffectsOf<DecLives>(board).size(), 1u);

    for (int active : {0, 1, 0}) {
        board.AcceptMessage(Message("SetActive", active));
        EXPECT_EQ(board._isActive, active > 0);
    }

    board._sunComplete = true;
    board._sunEnergy = board._shownSunEnergy = 1.0f;
    Send(board, "ClearSun");
    EXPECT_FALSE(board._sunComplete);
    EXPECT_EQ(board._sunEnergy, 0.0f);
    EXPECT_EQ(board._shownSunEnergy, 0.0f);

    struct Case {
        const char* what;
        bool blocked;
        int inFlight;
        bool reshuffles;
    };
    const Case cases[] = {
        {"blocked", true, 0, false},
        {"a piece in flight", false, 1, false},
        {"free", false, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        board._isBlocked = c.blocked;
        board._artInFly = c.inFlight;
        Send(board, "Reshuffle");
        EXPECT_EQ(Controllers(board, "Reshuffle").size(), c.reshuffles ? 1u : 0u);
    }
    board._artInFly = 0;
}
