// The tip window over the board, the tutorial tips, the idle hint and the
// dead board's reshuffle, on boards laid out cell by cell.

#include "PlayFixture.h"
#include "WidgetTestSupport.h"

#include "game/board/Reshuffle.h"
#include "game/board/ShowMessage.h"
#include "game/board/SquareFall.h"
#include "game/board/SquareLight.h"
#include "game/board/effects/SimpleFrame.h"
#include "game/screens/MessageBox.h"
#include "gui/InputMap.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/CheckBox.h"

#include <cmath>
#include <filesystem>

namespace {

// Every tip the tests ask for has a text; "noText" has none.
std::string MessagesXml()
{
    std::string text = "<Messages>";
    for (const char* name :
         {"msg_1", "msg_2", "msg_3", "msg_4", "locked_chip", "stone", "bonus_1", "bonus_7", "LifeBonus",
          "clickBonus_2", "thisIsTimer", "artefactSwap", "soYouCollectSun", "youTakeSun", "thisIsMusor"})
        text += std::string("<Message name=\"") + name + "\"><Text><string>" + name + "</string></Text></Message>";
    return text + "</Messages>";
}

class BoardTipsTest : public PlayTest {
protected:
    BoardTipsTest()
    {
        WriteGameFile("Messages.xml", MessagesXml());
        WriteGameFile("buttons.xml",
                      "<Buttons><MessageBoxBtn1><state on=\"#On\" off=\"#Off\"/></MessageBoxBtn1>"
                      "<MessageBoxBtn2><state normal=\"#Normal\" active=\"#Active\" pressed=\"#Pressed\"/>"
                      "</MessageBoxBtn2></Buttons>");
        _services.AddPicture("#On", 60, 32);
        _services.AddPicture("#Off", 60, 32);
        for (const char* id : {"#Normal", "#Active", "#Pressed"})
            _services.AddPicture(id, 80, 48);
        Player& player = ActivePlayer();
        player.timeToLevel = 100.0f;
        player.levelTime = 0.0f;
        player.level = 2;
        player.stage = 1;
    }

    void TearDown() override
    {
        g_inputWidgets.Clear();
        g_messageQueue.clear();
        PlayTest::TearDown();
    }

    // A laid-out board whose tips may open.
    WatchedField& TipBoard(const Layout& layout)
    {
        // Each board its own name: its controllers are its own.
        WatchedField& board = MakeLaidOutBoard(layout, "Field" + std::to_string(++_boards));
        board._tipsAllowed = true;
        board._level = ActivePlayer().level;
        board._stage = ActivePlayer().stage;
        return board;
    }

    static ShowMessage* OpenWindow(const GameField& board)
    {
        const std::vector<ShowMessage*> windows = Controllers<ShowMessage>(board, "ShowMessage");
        return windows.empty() ? nullptr : windows.front();
    }
    static std::string OpenTipName(const GameField& board)
    {
        const ShowMessage* window = OpenWindow(board);
        return window ? window->TipName() : "";
    }
    // The tip closes as the board's button handler closes it, and fades out.
    static void CloseTip(GameField& board)
    {
        board._closeTip = true;
        Frames(0.5f);
    }

    FakeWidgetServices _services;
    int _boards = 0;
};

// A plain board with moves, colours 0 to 4.
const PlayTest::Layout kPlain = {{0, 1, 2, 3, 4, 0},
                                 {1, 2, 3, 4, 0, 1},
                                 {0, 0, 4, 0, 1, 2},
                                 {2, 3, 0, 1, 2, 3}};

// ------------------------------------------------------------ placement

TEST(TipBoxPlacement, CentredOrNearThePointAndAsideAtTheScreenEdges)
{
    struct Case {
        const char* what;
        int x, y, w, h;
        bool near;
        int tipX;
        Point corner;
    };
    const Case cases[] = {
        {"centred on the point", 400, 300, 320, 160, false, 0, Point(240, 220)},
        {"above the point", 400, 200, 320, 160, true, 400, Point(240, 260)},
        {"right edge: to the left, 40 off", 780, 200, 320, 160, true, 780, Point(420, 260)},
        {"left edge: to the right, 40 off", 10, 200, 320, 160, true, 10, Point(50, 260)},
        {"near the top: below the point", 400, 500, 320, 160, true, 400, Point(240, 250)},
        {"no room: level with it", 400, 450, 320, 440, true, 400, Point(240, 230)},
        {"no room at the right edge: aside", 700, 450, 320, 440, true, 500, Point(340, 230)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShowMessage::PlaceBox(c.x, c.y, c.w, c.h, c.near, c.tipX), c.corner) << c.what;
}

// ------------------------------------------------------------ tip window

TEST_F(BoardTipsTest, ATipWindowPutsItsBoxOverTheBoardAndFadesItInAndOut)
{
    SampleRecorder samples;
    WatchedField& board = TipBoard(kPlain);
    ASSERT_TRUE(board.ShowTipWindow("msg_2", Point(400, 300), false, true));
    EXPECT_TRUE(board._tipWithPointer);
    ASSERT_NE(OpenWindow(board), nullptr);
    MessageBox* box = OpenWindow(board)->Box();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->name, kTipBoxName);
    ASSERT_NE(box->GetCheckBox(), nullptr);
    EXPECT_EQ(box->GetCheckBox()->name, kTipBoxCheckName);
    EXPECT_EQ(board._tipBoxValue, box->GetCheckBox());
    EXPECT_EQ(box->parent, &board);
    EXPECT_EQ(g_inputWidgets.Find(kTipBoxName), box);
    EXPECT_TRUE(board._isShowMessage);
    EXPECT_EQ(samples.Count("TipWindow"), 1);
    // Centred on the point.
    EXPECT_EQ(box->position, Point(400 - box->size.x / 2, 300 - box->size.y / 2));

    Frames(0.25f);
    EXPECT_NEAR(box->color.a, 127, 10);
    Frames(0.5f);
    EXPECT_EQ(box->color.a, 255);

    board._closeTip = true;
    Frames(0.1f);
    EXPECT_LT(box->color.a, 255);
    EXPECT_EQ(g_inputWidgets.Find(kTipBoxName), nullptr) << "a closing box takes no presses";
    Frames(0.3f);
    EXPECT_EQ(OpenWindow(board), nullptr);
    EXPECT_FALSE(board._isShowMessage);
    EXPECT_EQ(board._tipBoxValue, nullptr);
    EXPECT_TRUE(board.children.empty());
}

TEST_F(BoardTipsTest, ATipBoxWithoutItsButtonsFileOpensWithoutACheckBox)
{
    std::filesystem::remove(GameFile("buttons.xml"));
    WatchedField& board = TipBoard(kPlain);
    ASSERT_TRUE(board.ShowTipWindow("msg_2", Point(400, 300), true, false));
    EXPECT_EQ(board._tipBoxValue, nullptr);
    Frames(1.2f);
    board._closeTip = true;
    Frames(0.5f);
    EXPECT_FALSE(board._isShowMessage);
}

TEST_F(BoardTipsTest, ATipWindowIsRefusedWithoutLeavingATrace)
{
    struct Case {
        const char* what;
        std::function<void(GameField&)> set;
        const char* tip;
    };
    const Case cases[] = {
        {"hints off", [](GameField&) { ActivePlayer().hintsEnabled = false; }, "msg_2"},
        {"the level's time used up", [](GameField&) { ActivePlayer().levelTime = 100.0f; }, "msg_2"},
        {"tips not allowed yet", [](GameField& b) { b._tipsAllowed = false; }, "msg_2"},
        {"a bonus chosen", [](GameField& b) { b._selectedBonus = 1; }, "msg_2"},
        {"msg_3 blocked", [](GameField& b) { b._msg3Blocked = true; }, "msg_3"},
        {"no text", [](GameField&) {}, "noText"},
    };
    for (const Case& c : cases) {
        ActivePlayer().hintsEnabled = true;
        ActivePlayer().levelTime = 0.0f;
        WatchedField& board = TipBoard(kPlain);
        c.set(board);
        EXPECT_FALSE(board.ShowTipWindow(c.tip, Point(400, 300), true, false)) << c.what;
        EXPECT_FALSE(board._isShowMessage) << c.what;
        EXPECT_TRUE(board.children.empty()) << c.what;
        EXPECT_EQ(OpenWindow(board), nullptr) << c.what;
    }
    EXPECT_EQ(Count(LogText(), "The tip &quot;noText&quot; has no text"), 1);
}

TEST_F(BoardTipsTest, ATipWithoutTextIsLoggedOnceAndStaysUnshown)
{
    WriteGameFile("Messages.xml", "<Messages />");
    WatchedField& board = TipBoard({{0x10, 1, 2}, {0, 1, 3}});
    board.ShowTip(4, 0);
    board.ShowTip(4, 0);
    EXPECT_FALSE(board._isShowMessage);
    EXPECT_FALSE(ActivePlayer().IsHintShow("locked_chip"));
    EXPECT_EQ(Count(LogText(), "The tip &quot;locked_chip&quot; has no text"), 1);
}

TEST_F(BoardTipsTest, AFallStandsStillUnderATipAndGoesOnWhenTheTipCloses)
{
    WatchedField& board = TipBoard(kPlain);
    Square* square = board.FindSquare(0, 3);
    ASSERT_NE(square, nullptr);
    const Vector3 end = square->position;
    board.AddController(new SquareFall(square, 0, 3, Vector3(end.x, end.y + 200.0f, end.z), end, &board, 0.0f,
                                       255.0f, 0.0f, -640.0f, false));
    Frames(0.1f);
    const float before = square->position.y;
    ASSERT_GT(before, end.y);

    ASSERT_TRUE(board.ShowTipWindow("msg_2", Point(400, 300), true, false));
    Frames(1.0f);
    EXPECT_FLOAT_EQ(square->position.y, before) << "frozen mid-fall";

    board._closeTip = true;
    Frames(0.5f);
    EXPECT_LT(square->position.y, before) << "falling again once the box has gone";
    Frames(2.0f);
    EXPECT_FLOAT_EQ(square->position.y, end.y);
}

TEST_F(BoardTipsTest, TheTipBoxTakesPressesOnItsCheckBoxAndButtonWithoutTheBoardClosingIt)
{
    WatchedField& board = TipBoard(kPlain);
    g_inputWidgets.Add(&board);
    ASSERT_TRUE(board.ShowTipWindow("msg_2", Point(400, 300), false, false));
    MessageBox* box = OpenWindow(board)->Box();
    CheckBox* check = box->GetCheckBox();
    ASSERT_TRUE(check->state);
    Frames(1.2f);

    // Unticking: the box takes the press, the tip stays open for its button.
    const Point onCheck(check->rect.x + check->size.x / 2, check->rect.y + check->size.y / 2);
    g_inputWidgets.SendMouseDown(onCheck);
    g_inputWidgets.SendMouseUp(onCheck);
    EXPECT_FALSE(check->state);
    EXPECT_FALSE(board._closeTip);
    EXPECT_EQ(check->QueryState(Message("GetState")).data, "0");

    // The button posts its press under its own name.
    Button* button = box->GetButton();
    const Point onButton(button->rect.x + button->size.x / 2, button->rect.y + button->size.y / 2);
    g_messageQueue.clear();
    g_inputWidgets.SendMouseMove(onButton);
    g_inputWidgets.SendMouseDown(onButton);
    g_inputWidgets.SendMouseUp(onButton);
    EXPECT_FALSE(board._closeTip);
    bool pressed = false;
    for (const Message& message : g_messageQueue)
        pressed = pressed || message.is("MessageBoxBtn2", "press");
    EXPECT_TRUE(pressed);

    // A press beside the box closes the tip.
    g_inputWidgets.SendMouseDown(Point(5, 5));
    EXPECT_TRUE(board._closeTip);
}

TEST_F(BoardTipsTest, AResetTakesAnOpenTipBoxAway)
{
    WatchedField& board = TipBoard(kPlain);
    ASSERT_TRUE(board.ShowTipWindow("msg_2", Point(400, 300), true, false));
    Frames(0.2f);
    board.Reset();
    Frames(0.1f);
    EXPECT_EQ(OpenWindow(board), nullptr);
    EXPECT_FALSE(board._isShowMessage);
    EXPECT_EQ(board._tipBoxValue, nullptr);
    EXPECT_TRUE(board.children.empty());
    EXPECT_EQ(g_inputWidgets.Find(kTipBoxName), nullptr);
}

// ------------------------------------------------------------ tutorial tips

TEST_F(BoardTipsTest, EachTipOpensOncePerProfile)
{
    WatchedField& board = TipBoard({{0x10, 1, 2}, {0, 1, 3}});
    board.ShowTip(4, 0);
    EXPECT_EQ(OpenTipName(board), "locked_chip");
    EXPECT_TRUE(board._tipShown);
    EXPECT_TRUE(ActivePlayer().IsHintShow("locked_chip"));
    // Under the square's cell, near it.
    EXPECT_EQ(board._tipPosition, Point(board._originX + 20, board._originY + 2 * 40));
    CloseTip(board);

    WatchedField& next = TipBoard({{0x10, 1, 2}, {0, 1, 3}});
    next.ShowTip(4, 0);
    EXPECT_EQ(OpenWindow(next), nullptr) << "a second level shows no tip seen on the first";
}

TEST_F(BoardTipsTest, TheSquareTipsNameTheFirstNewKindOfTheBoard)
{
    struct Case {
        int kind;
        const char* tip; // "" for none
        bool pointer;
    };
    const Case cases[] = {
        {0x4A, "bonus_7", false}, {0x4C, "LifeBonus", true}, {0x40, "bonus_1", true},
        {0x30, "stone", false},   {0xD0, "thisIsMusor", false},
        {0x45, "", false}, // a bonus without a tip ends the walk
        {0x55, "", false}, // artefact pieces are passed over
    };
    for (const Case& c : cases) {
        ActivePlayer().shownHints.clear();
        WatchedField& board = TipBoard({{1, 2, c.kind}, {0, 1, 3}, {0x10, 4, 2}});
        if (std::string(c.tip).empty())
            ActivePlayer().ShowHint("locked_chip");
        board.ShowTip(4, 0);
        EXPECT_EQ(OpenTipName(board), c.tip) << std::hex << c.kind;
        EXPECT_EQ(board._bonusPointer, c.pointer) << std::hex << c.kind;
        EXPECT_EQ(board._tipWithPointer, c.pointer) << std::hex << c.kind;
        CloseTip(board);
    }
}

TEST_F(BoardTipsTest, APointerTipAtABonusCountsTheRowsItStillHasToFall)
{
    // The bonus stands on row 2 of a column whose lowest cell is missing.
    WatchedField& board = TipBoard({{1, 0x40, 2}, {0, 3, 3}, {4, kHole, 2}});
    board.ShowTip(4, 0);
    ASSERT_EQ(OpenTipName(board), "bonus_1");
    EXPECT_EQ(board._pointerRows, 1);
    EXPECT_EQ(board._pointerStep, 0);
    const int px = board._originX + 60;
    const int py = board._originY + 40;
    EXPECT_EQ(board._tipPosition, Point(px, py));
    const MessageBox* box = OpenWindow(board)->Box();
    // Centred beside the spot: left of it past x 400, above or below by its y.
    const Point window(px > 400 ? px - 200 : px + 200, py > 200 ? py - 50 : py + 150);
    EXPECT_EQ(box->position, Point(window.x - box->size.x / 2, window.y - box->size.y / 2));
}

TEST_F(BoardTipsTest, NoTipOpensOnceTheLevelsTimeIsUsedWhateverTheEvent)
{
    ActivePlayer().levelTime = ActivePlayer().timeToLevel;
    ActivePlayer().level = 4;
    WatchedField& board = TipBoard({{0x10, 0x4A, 2}, {0x55, 1, 3}});
    board._sunEnergy = 0.5f;
    board._sunComplete = true;
    for (int event = 1; event <= 9; ++event)
        board.ShowTip(event, 1);
    EXPECT_EQ(OpenWindow(board), nullptr);
    EXPECT_TRUE(ActivePlayer().shownHints.empty());
}

TEST_F(BoardTipsTest, TheBonusButtonsTipsFollowTheirArgument)
{
    WatchedField& board = TipBoard(kPlain);
    board.ShowTip(5, 4);
    EXPECT_EQ(OpenWindow(board), nullptr) << "no fifth bonus";
    board.ShowTip(5, 1);
    EXPECT_EQ(OpenTipName(board), "clickBonus_2");
    const HoverRect& button = board._bonusButtons[1];
    EXPECT_EQ(board._tipPosition, Point(static_cast<int>(button.left + 20.0f), static_cast<int>(button.top + 48.0f)));
}

TEST_F(BoardTipsTest, TheSunTipsWaitForTheFirstLevelToBeLeftAndForTheirWindow)
{
    ActivePlayer().level = 1;
    WatchedField& first = TipBoard(kPlain);
    first._sunEnergy = 0.5f;
    first.ShowTip(8, 0);
    EXPECT_EQ(OpenWindow(first), nullptr) << "not on the first level";
    EXPECT_FALSE(ActivePlayer().IsHintShow("soYouCollectSun"));

    ActivePlayer().level = 2;
    WatchedField& board = TipBoard(kPlain);
    board._sunEnergy = 0.5f;
    board._selectedBonus = 0;
    board.ShowTip(8, 0);
    EXPECT_EQ(OpenWindow(board), nullptr);
    EXPECT_FALSE(ActivePlayer().IsHintShow("soYouCollectSun")) << "a refused tip stays unshown";
    board._selectedBonus = -1;
    board.ShowTip(8, 0);
    EXPECT_EQ(OpenTipName(board), "soYouCollectSun");
    EXPECT_EQ(board._tipPosition, board._sunPosition + Point(50, 101));
    EXPECT_TRUE(ActivePlayer().IsHintShow("soYouCollectSun"));
}

TEST_F(BoardTipsTest, TheFirstArtefactLessonPointsAtThePieceAfterTheFirstMatch)
{
    ActivePlayer().level = 1;
    WatchedField& board = TipBoard({{1, 0x50, 2}, {0, 3, 3}, {4, 1, 2}});
    board._moveCount = 1;
    board.ShowTip(1, 0);
    EXPECT_EQ(OpenTipName(board), "msg_2");
    EXPECT_TRUE(board._artefactPointer);
    EXPECT_EQ(board.Calls("StartArtefactFlash").size(), 1u);
    EXPECT_TRUE(ActivePlayer().IsHintShow("msg_2"));
    EXPECT_TRUE(ActivePlayer().IsHintShow("msg_1"));
}

TEST_F(BoardTipsTest, TheArtefactSwapTipFramesAMoveOfAPiece)
{
    ActivePlayer().level = 3;
    // The piece at (2, 2) moves right: a line of 0 forms on its row.
    WatchedField& board = TipBoard({{0, 0, 0x50, 0}, {1, 2, 3, 4}, {2, 3, 4, 1}});
    board.ShowTip(7, 0);
    ASSERT_EQ(OpenTipName(board), "artefactSwap");
    EXPECT_EQ(board._tipPosition, Point(board._originX + 120, board._originY + 3 * 40));
    EXPECT_EQ(Controllers(board, "SimpleFrame").size(), 1u);

    ActivePlayer().shownHints.clear();
    ActivePlayer().isArtefactSwapped = true;
    WatchedField& swapped = TipBoard({{0, 0, 0x50, 0}, {1, 2, 3, 4}, {2, 3, 4, 1}});
    CloseTip(board);
    swapped.ShowTip(7, 0);
    EXPECT_EQ(OpenWindow(swapped), nullptr) << "a player who has swapped a piece needs no tip";
}

// ------------------------------------------------------------ hint

TEST_F(BoardTipsTest, TheHintPrefersAHorizontalMoveNearTheMiddle)
{
    SampleRecorder samples;
    // A vertical move in column 0 is listed first; the horizontal one in
    // the middle wins.
    WatchedField& board = TipBoard({{1, 2, 3, 1, 4, 2},
                                    {3, 1, 4, 2, 3, 4},
                                    {2, 4, 4, 1, 3, 2},
                                    {4, 1, 0, 0, 1, 0}});
    const std::list<MoveRecord> moves = board.FindMoves();
    ASSERT_FALSE(moves.empty());
    ASSERT_NE(moves.front().y1, moves.front().y2) << "the first move listed is vertical";
    board.ShowHint();
    EXPECT_EQ(samples.Count("Hint"), 1);
    EXPECT_EQ(Controllers<SimpleFrame>(board, "SimpleFrame").size(), 1u);
    std::vector<Point> lit;
    for (const SquareLight* light : Controllers<SquareLight>(board, "SquareLight"))
        lit.push_back(Point(light->_square->x, light->_square->y));
    EXPECT_EQ(lit, (std::vector<Point>{Point(4, 0), Point(5, 0)}));
    EXPECT_EQ(board._idleTime, 0.0f);
}

TEST_F(BoardTipsTest, TheHintKeepsOffArtefactSwapsUntilTheirTipHasTaughtThem)
{
    // A move of the piece at (2, 2), and one of two chips on the row below.
    WatchedField& board = TipBoard({{0, 0, 0x50, 0},
                                    {1, 2, 1, 1},
                                    {2, 3, 4, 2}});
    board.ShowHint();
    const std::vector<SquareLight*> lights = Controllers<SquareLight>(board, "SquareLight");
    ASSERT_EQ(lights.size(), 2u);
    for (const SquareLight* light : lights)
        EXPECT_TRUE(light->_square && !IsArtefactKind(light->_square->kind));
}

TEST_F(BoardTipsTest, TheFirstLevelsHintOpensItsTipAndMarksItOnlyWhenItOpens)
{
    ActivePlayer().level = 1;
    WatchedField& board = TipBoard(kPlain);
    board._selectedBonus = 2;
    board.ShowHint();
    EXPECT_FALSE(ActivePlayer().IsHintShow("msg_1")) << "refused: stays for a later chance";
    EXPECT_FALSE(board._tipShown);
    board._selectedBonus = -1;
    board.ShowHint();
    EXPECT_EQ(OpenTipName(board), "msg_1");
    EXPECT_TRUE(ActivePlayer().IsHintShow("msg_1"));
    EXPECT_TRUE(board._tipShown);
}

TEST_F(BoardTipsTest, ADeadBoardsHintSaysSoInTheLogAndReshuffles)
{
    SampleRecorder samples;
    WatchedField& board = TipBoard({{0, 1}, {2, 3}});
    board._levelLoaded = true;
    board.ShowHint();
    EXPECT_NE(LogText().find("No moves. Reshuffle."), std::string::npos);
    EXPECT_EQ(board.Calls("LetterText Reshuffle!").size(), 1u);
    EXPECT_EQ(board.textPoints.back(), Point(537, 300));
    EXPECT_EQ(samples.Count("NoMoves"), 1);
    EXPECT_EQ(samples.Count("Hint"), 0);
    EXPECT_EQ(Controllers(board, "Reshuffle").size(), 1u);
}

// ------------------------------------------------------------ reshuffle

// A board of six columns dealt anew by a reshuffle.
class ReshuffleTest : public BoardTipsTest {
protected:
    WatchedField& DealtBoard()
    {
        WatchedField& board = TipBoard(kPlain);
        board._levelLoaded = true;
        return board;
    }
};

TEST_F(ReshuffleTest, ASquareChangesItsKindOnceTheWaveHasReachedIt)
{
    WatchedField& board = DealtBoard();
    const Layout old = KindsOf(board);
    auto* wave = new Reshuffle(Reshuffle::kSpeed, 0, 0, &board, 0.0f);
    board.AddController(wave);
    EXPECT_EQ(KindsOf(board), old) << "every square shows its old kind first";
    EXPECT_TRUE(board._isBlocked);
    EXPECT_TRUE(board._reshuffleRunning);

    const float lag0 = -wave->Fade(0, 0);
    const float lag5 = -wave->Fade(5, 0) - 75.0f;
    ASSERT_GE(lag0, 0.0f);
    ASSERT_LT(lag0, 35.0f);
    ASSERT_GE(lag5, 0.0f);
    ASSERT_LT(lag5, 35.0f);
    Square* corner = board.FindSquare(0, 0);
    Square* five = board.FindSquare(5, 0);
    const int oldCorner = corner->kind;
    const int oldFive = five->kind;

    const float cornerAt = (64.0f + lag0) / 180.0f;
    const float fiveAt = (64.0f + 75.0f + lag5) / 180.0f;
    wave->Update(cornerAt - 0.01f);
    EXPECT_EQ(corner->kind, oldCorner);
    wave->Update(0.02f);
    EXPECT_EQ(corner->kind, wave->NewKind(0, 0));
    wave->Update(fiveAt - cornerAt - 0.02f);
    EXPECT_EQ(five->kind, oldFive);
    wave->Update(0.02f);
    EXPECT_EQ(five->kind, wave->NewKind(5, 0));
    EXPECT_EQ(board._cellFade[0][0], static_cast<int>(std::trunc(wave->Fade(0, 0))));

    Frames(3.0f);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_FALSE(board._reshuffleRunning);
    EXPECT_EQ(board.Calls("CheckNoMoves").size(), 1u) << "the end looks for a move again";
    EXPECT_FALSE(board.FindMoves().empty());
}

TEST_F(ReshuffleTest, TheWaveWaitsForItsDelayAndASecondStartIsRefused)
{
    WatchedField& board = DealtBoard();
    board.NoMoves("No moves");
    board.NoMoves("No moves");
    EXPECT_EQ(Controllers(board, "Reshuffle").size(), 1u);
    EXPECT_EQ(board.Calls("LetterText").size(), 1u);
    const Layout shown = KindsOf(board);
    Frames(1.1f);
    EXPECT_EQ(KindsOf(board), shown);
    Frames(3.0f);
    EXPECT_FALSE(board._reshuffleRunning);
}

TEST_F(ReshuffleTest, CoversStonesAndPiecesStayWhereTheyAreAndOnlyColoursChange)
{
    WatchedField& board = TipBoard({{0x12, 1, 0x30, 3, 4, 0},
                                    {1, 2, 3, 4, 0x55, 1},
                                    {0, 0, 4, 0, 1, 0xA3},
                                    {2, 0x41, 0, 1, 2, 3}});
    board._levelLoaded = true;
    auto* wave = new Reshuffle(Reshuffle::kSpeed, 0, 0, &board, 0.0f);
    board.AddController(wave);
    EXPECT_EQ(wave->NewKind(2, 3), 0x30);
    EXPECT_EQ(wave->NewKind(4, 2), 0x55);
    EXPECT_EQ(wave->NewKind(1, 0), 0x41);
    EXPECT_EQ(wave->NewKind(0, 3) & 0xF0, 0x10);
    EXPECT_EQ(wave->NewKind(5, 1) & 0xF0, 0xA0);
    EXPECT_EQ(board._levelGrid.At(3, 3), 1) << "the plain cells are cells again";
}

TEST_F(ReshuffleTest, ADealWithoutAMoveStartsNoOtherReshuffle)
{
    // Two cells hold no move, however dealt.
    GameField& board = MakeLiveBoard({{0, 1}});
    board._levelLoaded = true;
    board.NoMoves("No moves");
    Frames(5.0f);
    EXPECT_FALSE(board._reshuffleRunning);
    EXPECT_FALSE(board._isBlocked);
    EXPECT_TRUE(Controllers(board, "Reshuffle").empty());
    EXPECT_NE(LogText().find("found no move"), std::string::npos);
}

TEST_F(ReshuffleTest, AResetOrARestartStopsTheReshuffleAndNoOldKindLandsLater)
{
    for (const bool reset : {true, false}) {
        WatchedField& board = DealtBoard();
        board.NoMoves("No moves");
        Frames(1.3f);
        if (reset)
            board.Reset();
        else
            board.Restart();
        EXPECT_TRUE(Controllers(board, "Reshuffle").empty()) << reset;
        EXPECT_FALSE(board._reshuffleRunning) << reset;
        EXPECT_FALSE(board._isBlocked) << reset;
        EXPECT_TRUE(board._squares.empty()) << reset;
        LayOut(board, kPlain);
        const Layout fresh = KindsOf(board);
        Frames(2.0f);
        EXPECT_EQ(KindsOf(board), fresh) << reset;
        EXPECT_TRUE(board.Calls("CheckNoMoves").empty()) << reset;
    }
}

TEST_F(ReshuffleTest, AReshuffleDuringAHintsFrameFreesTheLitSquaresSafely)
{
    WatchedField& board = DealtBoard();
    board.ShowHint();
    ASSERT_FALSE(Controllers(board, "SquareLight").empty());
    Frames(0.2f);
    board._isSelected = true;
    board._selectedCell = Point(0, 0);
    board.NoMoves("No moves! Reshuffle...");
    EXPECT_TRUE(Controllers(board, "SquareLight").empty());
    EXPECT_TRUE(Controllers(board, "SimpleFrame").empty());
    EXPECT_FALSE(board._isSelected);
    Frames(4.0f);
    EXPECT_FALSE(board._reshuffleRunning);
}

} // namespace
