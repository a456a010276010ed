// The hand-over of a won artefact from the board to the shield's layer.

#include "PlayFixture.h"

#include "game/board/ArtefactCollecting.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"

#include <tinyxml.h>

namespace {

// A widget that keeps the messages it is sent.
class RecordingWidget : public Widget {
public:
    explicit RecordingWidget(const std::string& widgetName) : Widget(widgetName) {}
    void AcceptMessage(const Message& message) override { received.push_back(message); }
    std::vector<Message> received;
};

class ArtefactCollectingTest : public PlayTest {
protected:
    ~ArtefactCollectingTest() override
    {
        Screen.ClearLayers();
        for (const char* name : {"Stage", "Other", "Shield"})
            GUI.layers.erase(name);
    }

    static Layer* AddLayer(const std::string& name)
    {
        TiXmlDocument document;
        document.Parse(("<Layer name=\"" + name + "\" />").c_str());
        auto layer = std::make_unique<Layer>(document.RootElement());
        Layer* made = layer.get();
        GUI.layers[name] = std::move(layer);
        return made;
    }
    // The board's layer with its "Menu" button (y downward at 20) and the
    // shield's layer, the board's layer current.
    void SetUpScreens()
    {
        _stage = AddLayer("Stage");
        _menu = new Widget("Menu");
        _menu->size = Point(80, 30);
        _menu->SetPosition(kMenuAt);
        _stage->AddWidget(_menu);
        _shield = new RecordingWidget("Shield");
        AddLayer("Shield")->AddWidget(_shield);
        Screen.SetLayer(_stage);
    }

    GameField& CollectingBoard()
    {
        GameField& board = MakeLiveBoard({{0, 1, 2}, {2, 0, 1}});
        board._stageIndex = 2;
        board._sunOffset = Point(24, 350);
        board.StartArtefactCollecting();
        kernel.FlushPending();
        return board;
    }
    static ArtefactCollecting* Collecting(const GameField& board)
    {
        const std::vector<ArtefactCollecting*> found = Controllers<ArtefactCollecting>(board, "ArtefactCollecting");
        return found.empty() ? nullptr : found.front();
    }

    const Point kMenuAt{705, 20};
    Layer* _stage = nullptr;
    Widget* _menu = nullptr;
    RecordingWidget* _shield = nullptr;
};

TEST_F(ArtefactCollectingTest, TheArtefactGrowsUnderTheVeilAndTheShieldTakesItOver)
{
    SetUpScreens();
    GameField& board = CollectingBoard();
    ArtefactCollecting* collecting = Collecting(board);
    ASSERT_NE(collecting, nullptr);
    EXPECT_TRUE(board._veilOn);
    EXPECT_EQ(board._veilAlpha, 0);
    EXPECT_EQ(_menu->position.x, 1000) << "the menu button is out of sight";

    // One frame of phase 0, then the growth: half-way after 1 / 0.3 s.
    kernel.Update(0.01f);
    ASSERT_EQ(collecting->Phase(), 1);
    kernel.Update(0.5f / ArtefactCollecting::kGrowRate);
    EXPECT_NEAR(board._artefactProgress, 0.5f, 1e-4f);
    EXPECT_NEAR(board._veilAlpha, 96, 1);
    kernel.Update(0.5f / ArtefactCollecting::kGrowRate + 0.01f);
    ASSERT_EQ(collecting->Phase(), 2);
    EXPECT_FLOAT_EQ(board._artefactProgress, 1.0f);
    kernel.Update(0.25f);
    EXPECT_EQ(board._veilAlpha, 192 + 31);
    EXPECT_TRUE(_shield->received.empty());
    kernel.Update(0.26f);

    EXPECT_EQ(board._veilAlpha, 255);
    EXPECT_EQ(Screen.GetCurrent(), GUI.getLayer("Shield"));
    EXPECT_TRUE(Screen.GetStack().empty());
    EXPECT_EQ(_menu->position, Point(kMenuAt.x, 600 - kMenuAt.y)) << "back on the very pixel it left";
    std::vector<std::string> publishers;
    for (const Message& message : _shield->received)
        publishers.push_back(message.publisher);
    ASSERT_EQ(publishers, (std::vector<std::string>{"SetTakedArtefact", "FadeIn", "AcceptArtefact", "LoadBackground"}));
    EXPECT_EQ(_shield->received[0].integerParam, 2);
    Message accept = _shield->received[2];
    EXPECT_EQ(accept.getVariables().getInt("ArtNumber"), 2);
    EXPECT_FLOAT_EQ(accept.getVariables().getFloat("x"), 24.0f);
    EXPECT_FLOAT_EQ(accept.getVariables().getFloat("y"), 350.0f);

    Frames(0.1f);
    EXPECT_EQ(Collecting(board), nullptr);
}

TEST_F(ArtefactCollectingTest, AVeryLongFramePassesOnePhaseAFrame)
{
    SetUpScreens();
    GameField& board = CollectingBoard();
    ArtefactCollecting* collecting = Collecting(board);
    kernel.Update(100.0f);
    EXPECT_EQ(collecting->Phase(), 1);
    EXPECT_TRUE(_shield->received.empty());
    kernel.Update(100.0f);
    EXPECT_EQ(collecting->Phase(), 2);
    EXPECT_FLOAT_EQ(board._artefactProgress, 1.0f);
    EXPECT_TRUE(_shield->received.empty());
    kernel.Update(100.0f);
    EXPECT_EQ(board._veilAlpha, 255);
    EXPECT_EQ(_shield->received.size(), 4u);
}

TEST_F(ArtefactCollectingTest, TheMenuReturnsToItsPlaceInTheLayerOnTopAtTheEnd)
{
    SetUpScreens();
    GameField& board = CollectingBoard();
    Layer* other = AddLayer("Other");
    Widget* otherMenu = new Widget("Menu");
    other->AddWidget(otherMenu);
    Screen.pushLayer(other);
    for (int frame = 0; frame < 3; ++frame)
        kernel.Update(100.0f);
    EXPECT_EQ(otherMenu->position, Point(kMenuAt.x, 600 - kMenuAt.y));
    EXPECT_EQ(_menu->position.x, 1000);
    EXPECT_EQ(board._veilAlpha, 255);
}

TEST_F(ArtefactCollectingTest, WithoutAMenuOrAShieldTheHandOverIsLoggedAndTheScreenStays)
{
    Layer* bare = AddLayer("Stage");
    Screen.SetLayer(bare);
    GameField& board = CollectingBoard();
    for (int frame = 0; frame < 3; ++frame)
        kernel.Update(100.0f);
    EXPECT_EQ(board._veilAlpha, 255);
    EXPECT_EQ(Screen.GetCurrent(), bare);
    EXPECT_NE(LogText().find("has no widget &quot;Menu&quot;"), std::string::npos);
    EXPECT_NE(LogText().find("There is no widget &quot;Shield&quot;"), std::string::npos);
}

} // namespace
