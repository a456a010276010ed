// The gallery list: which scenes a player has unlocked, where a click
// selects, what is posted once a selection has lit up (and what is not),
// the caption's states and "Reset".

#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "game/screens/MultList.h"
#include "game/state/GameInfo.h"
#include "gui/Message.h"
#include "gui/controllers/ControllerManager.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>
#include <string>

namespace {

constexpr int kX = 148;
constexpr int kY = 66;
constexpr int kSmallHeight = 50;

class MultListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_messageQueue.clear();
        // The list's height comes from its small pictures.
        for (int n = 1; n <= MultList::kItems; ++n) {
            auto small = std::make_unique<Sprite>();
            small->imageWidth = 72;
            small->imageHeight = kSmallHeight;
            g_resourceManager.textures2D["SmallMult" + std::to_string(n)].object = std::move(small);
        }
        gameInfo.AddNewPlayer("Tess");
        Progress(true, 1, 1);
        TiXmlDocument document;
        document.Parse(("<MultList name=\"List\" x=\"" + std::to_string(kX) + "\" y=\"" + std::to_string(kY) + "\"/>").c_str());
        _list = std::make_unique<MultList>("List", document.RootElement());
        kernel.FlushPending();
    }

    void TearDown() override
    {
        _list.reset();
        kernel.Update(0.0f);
        for (int n = 1; n <= MultList::kItems; ++n)
            g_resourceManager.textures2D.erase("SmallMult" + std::to_string(n));
        gameInfo.DeletePlayer("Tess");
        gameInfo.setActivePlayer("");
        g_messageQueue.clear();
    }

    static void Progress(bool firstSceneShown, int cycle, int maxStage)
    {
        Player& player = gameInfo.GetPlayer("Tess");
        player.firstMultIsShow = firstSceneShown;
        player.cycle = cycle;
        player.maxStage = maxStage;
    }

    static Point ItemPoint(int item) { return Point(kX + MultList::kItemWidth * item + 36, kY + 10); }

    // Frames until the selection has lit up.
    static void LightUp()
    {
        for (int i = 0; i < 8; ++i)
            kernel.Update(0.1f);
    }

    std::unique_ptr<MultList> _list;
};

} // namespace

TEST_F(MultListTest, ScenesUnlockWithTheFirstSceneTheStageAndTheCycle)
{
    struct Case {
        bool firstSceneShown;
        int cycle;
        int maxStage;
        int unlocked;
    };
    const Case cases[] = {
        {false, 1, 5, 0}, {false, 2, 7, 0}, {true, 1, 1, 1}, {true, 1, 4, 4}, {true, 2, 1, 8}, {true, 3, 7, 8},
    };
    for (const Case& c : cases) {
        Progress(c.firstSceneShown, c.cycle, c.maxStage);
        EXPECT_EQ(MultList::UnlockedCount(), c.unlocked) << c.firstSceneShown << " " << c.cycle << " " << c.maxStage;
        for (int item = 0; item < MultList::kItems; ++item)
            EXPECT_EQ(MultList::IsUnlocked(item), item < c.unlocked);
    }
}

TEST_F(MultListTest, TheListsEdgesAreOutside)
{
    EXPECT_EQ(_list->_listHeight, kSmallHeight);
    EXPECT_EQ(_list->_listWidth, 7 * 72);
    struct Case {
        int x, y;
        int item;
    };
    const Case cases[] = {
        {kX + 1, kY, 0},       {kX, kY, -1},         {kX + 71, kY, 0},       {kX + 72, kY, 1},
        {kX + 503, kY, 6},     {kX + 504, kY, -1},   {kX + 100, kY - 49, 1}, {kX + 100, kY - 50, -1},
        {kX + 100, kY + kSmallHeight - 4, 1},        {kX + 100, kY + kSmallHeight - 3, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(_list->ItemAt(Point(c.x, c.y)), c.item) << c.x - kX << ", " << c.y - kY;
        EXPECT_EQ(_list->MouseDown(Point(c.x, c.y)), c.item >= 0);
        _list->AcceptMessage(Message("Reset"));
    }
}

TEST_F(MultListTest, ALitSelectionPostsTheCountryAndWhetherItIsUnlocked)
{
    Progress(true, 1, 2);
    ASSERT_TRUE(_list->MouseDown(ItemPoint(1)));
    EXPECT_EQ(_list->_selected, 1);
    EXPECT_FLOAT_EQ(_list->_highlight[1], 0.6f);
    EXPECT_TRUE(_list->_pending);
    kernel.Update(0.1f);
    EXPECT_TRUE(g_messageQueue.empty()) << "not before it has lit up";
    LightUp();
    ASSERT_EQ(g_messageQueue.size(), 1u);
    EXPECT_EQ(g_messageQueue.back().getPublisher(), "Babylon");
    EXPECT_EQ(g_messageQueue.back().getData(), "press");
    EXPECT_EQ(g_messageQueue.back().getIntegerParam(), 1);

    // A locked scene is posted as well, with 0; the last one dims from 0.4.
    ASSERT_TRUE(_list->MouseDown(ItemPoint(6)));
    EXPECT_FLOAT_EQ(_list->_highlight[1], 0.4f);
    EXPECT_EQ(_list->_previous, 1);
    LightUp();
    ASSERT_EQ(g_messageQueue.size(), 2u);
    EXPECT_EQ(g_messageQueue.back().getPublisher(), "Troy");
    EXPECT_EQ(g_messageQueue.back().getIntegerParam(), 0);
    EXPECT_FLOAT_EQ(_list->_highlight[1], 0.0f);
}

TEST_F(MultListTest, ClicksOnTheSelectionOrWhileItLightsUpPostNothingMore)
{
    ASSERT_TRUE(_list->MouseDown(ItemPoint(0)));
    // Still lighting up: a click elsewhere is swallowed.
    EXPECT_TRUE(_list->MouseDown(ItemPoint(3)));
    EXPECT_EQ(_list->_selected, 0);
    LightUp();
    ASSERT_EQ(g_messageQueue.size(), 1u);
    EXPECT_EQ(g_messageQueue.back().getPublisher(), "Phoenicia");

    EXPECT_TRUE(_list->MouseDown(ItemPoint(0)));
    LightUp();
    EXPECT_EQ(g_messageQueue.size(), 1u);
    EXPECT_EQ(_list->_captionState, 2);
}

TEST_F(MultListTest, TheCaptionCountsDownWhileAnUnlockedSceneStarts)
{
    ASSERT_TRUE(_list->MouseDown(ItemPoint(0)));
    EXPECT_EQ(_list->_captionState, 3);
    _list->Draw();
    EXPECT_EQ(_list->_captionState, 3) << "held while it lights up";
    LightUp();
    EXPECT_EQ(_list->_captionState, 2);
    _list->Draw();
    EXPECT_EQ(_list->_captionState, 1);
    _list->Draw();
    EXPECT_EQ(_list->_captionState, 0);
    _list->Draw();
    EXPECT_EQ(_list->_captionState, 0);

    // A locked scene keeps its picture: no count-down.
    ASSERT_TRUE(_list->MouseDown(ItemPoint(4)));
    LightUp();
    _list->Draw();
    _list->Draw();
    EXPECT_EQ(_list->_captionState, 2);
}

TEST_F(MultListTest, ResetClearsTheSelectionEvenWhileItLightsUp)
{
    ASSERT_TRUE(_list->MouseDown(ItemPoint(2)));
    _list->AcceptMessage(Message("Reset"));
    EXPECT_EQ(_list->_selected, -1);
    EXPECT_EQ(_list->_previous, -1);
    EXPECT_EQ(_list->_captionState, 0);
    LightUp();
    EXPECT_TRUE(g_messageQueue.empty());
    // And the next click is heard.
    EXPECT_TRUE(_list->MouseDown(ItemPoint(0)));
    EXPECT_EQ(_list->_selected, 0);
}
