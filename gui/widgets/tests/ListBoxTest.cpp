#include "WidgetTestSupport.h"

#include "game/state/GameInfo.h"
#include "gui/StringTable.h"
#include "gui/widgets/ListBox.h"
#include "gui/widgets/ListBoxTipBlink.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Keeps the "Active" values it is sent.
class ScrollButton : public Widget {
public:
    explicit ScrollButton(const std::string& widgetName) : Widget(widgetName) {}
    void AcceptMessage(const Message& message) override
    {
        if (message.publisher == "Active")
            actives.push_back(message.integerParam);
    }
    std::vector<int> actives;
};

class ListBoxTest : public ::testing::Test {
protected:
    ListBoxTest()
    {
        services.layerWidgets["Profiles/Up"] = &up;
        services.layerWidgets["Profiles/Down"] = &down;
    }
    ~ListBoxTest() override
    {
        // The shared blink controller ends with the test.
        if (g_listBoxTipBlink)
            g_listBoxTipBlink->_finished = true;
        kernel.FlushPending();
        kernel.Update(0.0f);
        g_listBoxTipBlink = nullptr;
    }

    // Rows 200 wide centred on x = 400; row 0 covers y 300 to 351, row 1
    // 248 to 299, row 2 196 to 247.
    std::unique_ptr<ListBox> Make(int count)
    {
        std::string items;
        for (int i = 0; i < count; ++i)
            items += "<item>Player" + std::to_string(i) + "</item>";
        XmlElement element("<ListBox name=\"Profiles\" width=\"200\"><position x=\"400\" y=\"300\"/><items>" + items +
                           "<item/></items><font normal=\"Plain\" active=\"Bright\"/>"
                           "<buttonScrollUp>Up</buttonScrollUp><buttonScrollDown>Down</buttonScrollDown></ListBox>");
        std::unique_ptr<ListBox> box(static_cast<ListBox*>(CreateListBox(element)));
        box->layerName = "Profiles";
        return box;
    }

    // Runs the controller passes of frames of dt seconds.
    static void RunFrames(int frames, float dt)
    {
        for (int i = 0; i < frames; ++i) {
            kernel.FlushPending();
            kernel.Update(dt);
        }
        kernel.FlushPending();
    }

    FakeWidgetServices services;
    RecordingTextPainter painter;
    ScrollButton up{"Up"};
    ScrollButton down{"Down"};
};

TEST_F(ListBoxTest, ReadsItsElement)
{
    auto box = Make(2);
    EXPECT_EQ((std::vector<std::string>{"Player0", "Player1"}), box->items);
    EXPECT_EQ("Plain", box->normalFont);
    EXPECT_EQ("Bright", box->activeFont);
    EXPECT_EQ("Up", box->buttonScrollUp);
    EXPECT_EQ("Down", box->buttonScrollDown);
    EXPECT_EQ(200, box->size.x);
    EXPECT_EQ(52, box->step);
    EXPECT_EQ(3, box->numOfItems);
    ASSERT_NE(nullptr, g_listBoxTipBlink);
}

TEST_F(ListBoxTest, ScrollingDownToTheEnd)
{
    auto box = Make(5);
    box->AcceptMessage(Message("ScrollDown"));
    EXPECT_TRUE(box->busy);
    box->AcceptMessage(Message("ScrollDown")); // within the 0.2 s: dropped
    RunFrames(2, 0.1f);
    RunFrames(2, 0.1f);
    EXPECT_EQ(1, box->firstItem);
    EXPECT_FALSE(box->busy);
    EXPECT_EQ(0, box->scrollOffset);

    box->AcceptMessage(Message("ScrollDown"));
    RunFrames(4, 0.1f);
    EXPECT_EQ(2, box->firstItem);
    EXPECT_EQ(0, up.actives.back());
    EXPECT_EQ(1, down.actives.back());

    box->AcceptMessage(Message("ScrollDown"));
    EXPECT_FALSE(box->busy);
    RunFrames(4, 0.1f);
    EXPECT_EQ(2, box->firstItem);
}

TEST_F(ListBoxTest, ScrollKeepsTheSelectedItemWhileItStaysInTheWindow)
{
    struct Case {
        int firstItem;
        int selectedRow;
        const char* verb;
        int expectedFirst;
        int expectedSelected;
    };
    const Case cases[] = {
        {2, 1, "ScrollUp", 1, 2},   {2, 2, "ScrollUp", 1, 2},   {0, 1, "ScrollDown", 1, 0},
        {0, 0, "ScrollDown", 1, 0}, {0, 1, "ScrollUp", 0, 1},   {2, 0, "ScrollDown", 2, 0},
    };
    for (const Case& c : cases) {
        auto box = Make(5);
        box->firstItem = c.firstItem;
        box->selectedRow = c.selectedRow;
        box->AcceptMessage(Message(c.verb));
        RunFrames(4, 0.1f);
        EXPECT_EQ(c.expectedFirst, box->firstItem) << c.verb << " from " << c.firstItem << "/" << c.selectedRow;
        EXPECT_EQ(c.expectedSelected, box->selectedRow) << c.verb << " from " << c.firstItem << "/" << c.selectedRow;
    }
}

TEST_F(ListBoxTest, TheFadeMovesTheRowsAndEndsAfterTwoTenths)
{
    auto box = Make(5);
    box->AcceptMessage(Message("ScrollDown"));
    RunFrames(1, 0.1f);
    EXPECT_EQ(1, box->scrollOffset); // at least one pixel from the start
    RunFrames(1, 0.1f);
    EXPECT_EQ(26, box->scrollOffset);
    EXPECT_EQ(127, box->fadeAlpha);
    box->firstItem = 1;
    box->AcceptMessage(Message("ScrollUp")); // busy: dropped
    EXPECT_EQ(0, box->selectedRow);
}

TEST_F(ListBoxTest, SetMakesTheItemTheBottomRow)
{
    struct Case {
        const char* item;
        int first;
        int selected;
    };
    const Case cases[] = {{"Player1", 0, 1}, {"Player4", 2, 2}, {"Player3", 1, 2}, {"Nobody", 1, 2}};
    auto box = Make(5);
    for (const Case& c : cases) {
        box->AcceptMessage(Message("Set", c.item));
        EXPECT_EQ(c.first, box->firstItem) << c.item;
        EXPECT_EQ(c.selected, box->selectedRow) << c.item;
    }
    EXPECT_EQ(4u, up.actives.size());
    EXPECT_EQ("Player3", box->QueryState(Message("CurrentItem")).data);
}

TEST_F(ListBoxTest, DeleteSelectsTheFollowingOrTheNewLastItem)
{
    auto box = Make(5);
    box->AcceptMessage(Message("Delete", "Player4"));
    EXPECT_EQ("Player3", box->QueryState(Message("CurrentItem")).data);
    box->AcceptMessage(Message("Delete", "Player1"));
    EXPECT_EQ((std::vector<std::string>{"Player0", "Player2", "Player3"}), box->items);
    EXPECT_EQ("Player2", box->QueryState(Message("CurrentItem")).data);
    const std::size_t sent = up.actives.size();
    box->AcceptMessage(Message("Delete", "Nobody"));
    EXPECT_EQ(3u, box->items.size());
    EXPECT_EQ(sent + 1, up.actives.size());
}

TEST_F(ListBoxTest, DoubleClickOnAnEmptyRowSelectsItAndPosts)
{
    auto box = Make(2);
    box->MouseDoubleClick(Point(400, 200));
    EXPECT_EQ(2, box->selectedRow);
    EXPECT_EQ((std::vector<std::string>{"Profiles/DoubleClick/0"}), TakePosted());
    const Message answer = box->QueryState(Message("CurrentItem"));
    EXPECT_EQ("Profiles", answer.publisher);
    EXPECT_EQ("", answer.data);

    box->MouseDoubleClick(Point(400, 100)); // below the rows
    EXPECT_TRUE(TakePosted().empty());
    EXPECT_TRUE(box->MouseDown(Point(300, 320)));
    EXPECT_EQ(0, box->selectedRow);
    EXPECT_FALSE(box->MouseDown(Point(299, 320)));
}

TEST_F(ListBoxTest, AddAppendsAndUpdatesTheButtons)
{
    auto box = Make(3);
    box->AcceptMessage(Message("Add", "Newcomer"));
    EXPECT_EQ("Newcomer", box->items.back());
    EXPECT_EQ((std::vector<int>{1}), up.actives);
    EXPECT_EQ((std::vector<int>{0}), down.actives);
}

TEST_F(ListBoxTest, TipPictureFollowsStageAndCycle)
{
    Sprite* pictures[8];
    for (int i = 0; i < 8; ++i)
        pictures[i] = services.AddPicture("#TipShtuka" + std::to_string(i), 64, 64);
    auto box = Make(1);
    struct Case {
        int cycle;
        int maxStage;
        int picture;
    };
    const Case cases[] = {{1, 3, 2}, {1, 1, 0}, {2, 3, 7}, {5, 1, 7}, {1, 0, 0}, {1, 12, 7}};
    for (const Case& c : cases) {
        Player player;
        player.cycle = c.cycle;
        player.maxStage = c.maxStage;
        EXPECT_EQ(pictures[c.picture], ListBox::TipPicture(player)) << c.cycle << "/" << c.maxStage;
    }
}

TEST_F(ListBoxTest, NoTipBeforeAHover)
{
    auto box = Make(2);
    box->DrawStageTip(Rect(0, 0, 160, 137), Color());
    EXPECT_TRUE(painter.calls.empty());
}

TEST_F(ListBoxTest, TheTipLooksItsPlayerUpByNameWhenItDraws)
{
    StringTable table{{"Country3", "Egypt"}, {"Country1", "Phoenicia"}, {"Stage", "Stage"}, {"Cycle", "Cycle"}};
    g_stringTable = &table;
    ASSERT_TRUE(gameInfo.AddNewPlayer("Player0"));
    gameInfo.GetPlayer("Player0").maxStage = 3;
    gameInfo.GetPlayer("Player0").maxLevel = 4;
    auto box = Make(2);
    box->MouseMove(Point(400, 320));
    EXPECT_EQ(0, box->hoverRow);
    EXPECT_EQ(0, g_listBoxTipBlink->tipState);
    box->DrawStageTip(Rect(600, 290, 160, 137), Color());
    EXPECT_EQ((std::vector<std::string>{"SelectFont text", "DrawString 680,315 Egypt - Stage 4 1 2 0",
                                        "DrawString 680,294 Cycle 1 1 2 0"}),
              painter.calls);

    // Deleting the profile (and adding another) leaves nothing dangling: the
    // tip shows what the game state gives for that name now.
    gameInfo.DeletePlayer("Player0");
    gameInfo.AddNewPlayer("Other");
    painter.calls.clear();
    box->DrawStageTip(Rect(600, 290, 160, 137), Color());
    ASSERT_EQ(3u, painter.calls.size());
    EXPECT_EQ("DrawString 680,315 Phoenicia - Stage 1 1 2 0", painter.calls[1]);
    gameInfo.DeletePlayer("Other");
    g_stringTable = nullptr;
}

TEST_F(ListBoxTest, HoverOffTheRowsHidesTheTip)
{
    auto box = Make(2);
    box->MouseMove(Point(400, 260));
    EXPECT_EQ(1, box->hoverRow);
    EXPECT_EQ(0, g_listBoxTipBlink->tipState);
    box->MouseMove(Point(100, 100));
    EXPECT_EQ(-1, box->hoverRow);
    EXPECT_EQ(-1, g_listBoxTipBlink->tipState);
    box->MouseMove(Point(400, 200)); // an empty row: no new tip player
    EXPECT_EQ(2, box->hoverRow);
    EXPECT_EQ("Player1", g_listBoxTipBlink->tipPlayerName);
}

TEST_F(ListBoxTest, DeletingTheListBoxDuringAScrollEndsTheFade)
{
    auto box = Make(5);
    box->AcceptMessage(Message("ScrollDown"));
    RunFrames(1, 0.05f);
    box.reset();
    RunFrames(4, 0.1f); // would touch the deleted list box otherwise
    SUCCEED();
}

TEST_F(ListBoxTest, DrawShowsTheWindowWithTheSelectedRowTwice)
{
    auto box = Make(5);
    box->firstItem = 1;
    box->selectedRow = 1;
    box->Draw();
    EXPECT_EQ((std::vector<std::string>{
                  "SelectFont Plain", "DrawString 400,300 Player1 1 2 0",
                  "SelectFont Plain", "SelectFont Bright", "DrawString 400,248 Player2 1 2 0",
                  "DrawString 400,248 Player2 1 2 0",
                  "SelectFont Plain", "DrawString 400,196 Player3 1 2 0"}),
              painter.calls);
}

TEST_F(ListBoxTest, ScrollingTowardTheStartDrawsTheEnteringRowAbove)
{
    auto box = Make(5);
    box->firstItem = 2;
    box->selectedRow = 2;
    box->AcceptMessage(Message("ScrollUp"));
    RunFrames(2, 0.1f); // half-way: the rows have moved 26 pixels down
    ASSERT_EQ(-26, box->scrollOffset);
    box->Draw();
    std::vector<std::string> rows;
    for (const std::string& call : painter.calls)
        if (call.rfind("DrawString", 0) == 0)
            rows.push_back(call);
    EXPECT_EQ((std::vector<std::string>{"DrawString 400,326 Player1 1 2 0", "DrawString 400,274 Player2 1 2 0",
                                        "DrawString 400,222 Player3 1 2 0", "DrawString 400,170 Player4 1 2 0",
                                        "DrawString 400,170 Player4 1 2 0"}),
              rows);
}

TEST_F(ListBoxTest, TheHoveredRowShowsItsTipBesideItUnlessScrolling)
{
    StringTable table{{"Country1", "Phoenicia"}, {"Stage", "Stage"}, {"Cycle", "Cycle"}};
    g_stringTable = &table;
    auto box = Make(5);
    box->MouseMove(Point(400, 250)); // row 1, at y 248
    box->Draw();
    const auto has = [this](const std::string& call) {
        return std::find(painter.calls.begin(), painter.calls.end(), call) != painter.calls.end();
    };
    EXPECT_TRUE(has("DrawString 680,243 Phoenicia - Stage 1 1 2 0"));
    EXPECT_TRUE(has("DrawString 680,222 Cycle 1 1 2 0"));

    painter.calls.clear();
    box->AcceptMessage(Message("ScrollDown"));
    box->Draw();
    EXPECT_FALSE(has("DrawString 680,222 Cycle 1 1 2 0"));
    g_stringTable = nullptr;
}

TEST(ListBoxTipBlink, TipFadesInOverHalfASecond)
{
    FakeWidgetServices services;
    ListBoxTipBlink blink;
    blink.tipState = 0;
    blink.Update(0.25f);
    EXPECT_EQ(127, blink.tipAlpha);
    blink.Update(0.3f);
    EXPECT_EQ(1, blink.tipState);
    EXPECT_EQ(255, blink.tipAlpha);
    EXPECT_FALSE(blink.IsFinished());
}

} // namespace
