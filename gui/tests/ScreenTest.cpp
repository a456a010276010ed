// The screen's layer stack, input and message queue.

#include "TestBox.h"

#include "gui/InputMap.h"
#include "engine/platform/InputState.h"
#include "gui/Layer.h"
#include "gui/LayerHandler.h"
#include "gui/Message.h"
#include "gui/ResourceAccess.h"
#include "gui/ScreenImpl.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_journal;

// A layer that notes when it is drawn.
class RecordingLayer : public Layer {
public:
    explicit RecordingLayer(const TiXmlElement* element) : Layer(element) {}
    void Draw() override
    {
        g_journal.push_back("draw " + name);
        Layer::Draw();
    }
};

class RecordingHandler : public LayerHandler {
public:
    RecordingHandler(Layer* layer, std::function<void(const Message&)> onMessage)
        : LayerHandler(layer), _onMessage(std::move(onMessage))
    {
    }
    void HandleMessage(const Message& message) override { _onMessage(message); }

private:
    std::function<void(const Message&)> _onMessage;
};

class RecordingGroups : public ResourceGroupService {
public:
    void UploadGroup(const std::string& group) override { g_journal.push_back("upload " + group); }
    void ReleaseGroup(const std::string& group) override { g_journal.push_back("release " + group); }
};

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestBox::Register();
        g_journal.clear();
        g_messageQueue.clear();
        g_input.x = 0;
        g_input.y = 0;
        GuiResources::SetGroupService(&_groups);
    }

    void TearDown() override
    {
        Screen.ClearLayers();
        GuiResources::SetGroupService(nullptr);
    }

    // A layer with one 100 x 100 box at the top-left corner of the screen.
    RecordingLayer* Make(const std::string& name)
    {
        const std::string xml = "<Layer name='" + name + "'><Controls><TestBox name='" + name +
                                ".box' width='100' height='100'/></Controls></Layer>";
        TiXmlDocument document;
        document.Parse(xml.c_str());
        _layers.push_back(std::make_unique<RecordingLayer>(document.RootElement()));
        return _layers.back().get();
    }

    static TestBox* BoxOf(Layer* layer) { return static_cast<TestBox*>(layer->getWidget(layer->name + ".box")); }

    static std::vector<std::string> StackNames()
    {
        std::vector<std::string> names;
        for (Layer* layer : Screen.GetStack())
            names.push_back(layer->name);
        return names;
    }

    RecordingGroups _groups;
    std::vector<std::unique_ptr<RecordingLayer>> _layers;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(ScreenTest, PushAndPopKeepTheStackInOrderAndDrawItBottomUp)
{
    RecordingLayer* a = Make("A");
    RecordingLayer* b = Make("B");
    RecordingLayer* c = Make("C");
    Screen.pushLayer(a);
    EXPECT_TRUE(Screen.GetStack().empty());
    Screen.pushLayer(b);
    Screen.pushLayer(c);
    EXPECT_EQ(StackNames(), (Names{"A", "B"}));
    EXPECT_EQ(Screen.GetTopLayerName(), "C");

    Screen.Draw(false);
    EXPECT_EQ(g_journal, (Names{"draw A", "draw B", "draw C"}));

    Screen.popLayer();
    EXPECT_EQ(Screen.GetTopLayerName(), "B");
    EXPECT_EQ(StackNames(), (Names{"A"}));
    Screen.popLayer();
    Screen.popLayer();
    EXPECT_EQ(Screen.GetCurrent(), a);
    EXPECT_TRUE(Screen.GetStack().empty());
}

TEST_F(ScreenTest, NullLayerLeavesNothingCurrentAndSetLayerDoesNotStack)
{
    RecordingLayer* a = Make("A");
    RecordingLayer* b = Make("B");
    Screen.pushLayer(a);
    Screen.pushLayer(nullptr);
    EXPECT_EQ(Screen.GetTopLayerName(), "");
    EXPECT_TRUE(g_inputWidgets.Empty());
    Screen.Draw(false);
    EXPECT_EQ(g_journal, (Names{"draw A"}));

    Screen.SetLayer(b);
    EXPECT_EQ(StackNames(), (Names{"A"}));
    EXPECT_EQ(Screen.GetTopLayerName(), "B");

    Screen.ClearLayers();
    EXPECT_EQ(Screen.GetCurrent(), nullptr);
    EXPECT_TRUE(Screen.GetStack().empty());
    EXPECT_TRUE(g_inputWidgets.Empty());
}

TEST_F(ScreenTest, OnlyTheCurrentLayerGetsInputAndTheRestingMouseHoversAtOnce)
{
    RecordingLayer* a = Make("A");
    RecordingLayer* b = Make("B");
    g_input.x = 50; // window coordinates, y downward: over both boxes
    g_input.y = 50;
    Screen.pushLayer(a);
    TestBox* boxA = BoxOf(a);
    TestBox* boxB = BoxOf(b);
    EXPECT_TRUE(boxA->hovered);

    Screen.pushLayer(b);
    EXPECT_TRUE(boxB->hovered);
    EXPECT_EQ(g_inputWidgets.Size(), 1u);
    const int movesOfA = boxA->mouseMoves;
    g_inputWidgets.SendMouseMove(Point(10, 590));
    EXPECT_EQ(boxA->mouseMoves, movesOfA);
    EXPECT_EQ(g_inputWidgets.Find("A.box"), nullptr);

    // Still drawn from the stack.
    Screen.Draw(false);
    EXPECT_EQ(g_journal, (Names{"draw A", "draw B"}));
}

TEST_F(ScreenTest, DrainDeliversInOrderAndPostsDuringTheDrainComeLast)
{
    RecordingLayer* a = Make("A");
    Names delivered;
    a->handler = std::make_unique<RecordingHandler>(a, [&](const Message& m) {
        delivered.push_back(m.publisher);
        if (m.publisher == "1")
            PostMessage(Message("4"));
    });
    Screen.pushLayer(a);
    for (const char* name : {"1", "2", "3"})
        PostMessage(Message(name));
    Screen.DispatchMessages();
    EXPECT_EQ(delivered, (Names{"1", "2", "3", "4"}));
    EXPECT_TRUE(g_messageQueue.empty());
}

TEST_F(ScreenTest, ALayerChangeEmptiesTheQueue)
{
    RecordingLayer* a = Make("A");
    RecordingLayer* b = Make("B");
    Names delivered;
    a->handler = std::make_unique<RecordingHandler>(a, [&](const Message& m) {
        delivered.push_back(m.publisher);
        if (m.publisher == "push")
            Screen.pushLayer(b);
    });
    b->handler = std::make_unique<RecordingHandler>(b, [&](const Message& m) { delivered.push_back("B:" + m.publisher); });

    // Posted before a push in the same frame: never delivered.
    Screen.pushLayer(a);
    PostMessage(Message("lost"));
    Screen.pushLayer(b);
    Screen.popLayer();
    Screen.DispatchMessages();
    EXPECT_TRUE(delivered.empty());

    // A handler that pushes: the two waiting messages are dropped.
    for (const char* name : {"push", "x", "y"})
        PostMessage(Message(name));
    Screen.DispatchMessages();
    EXPECT_EQ(delivered, (Names{"push"}));
}

TEST_F(ScreenTest, WithoutACurrentLayerMessagesWait)
{
    PostMessage(Message("waiting"));
    Screen.DispatchMessages();
    EXPECT_EQ(g_messageQueue.size(), 1u);
    RecordingLayer* a = Make("A");
    Screen.pushLayer(a);
    EXPECT_TRUE(g_messageQueue.empty());
}

TEST_F(ScreenTest, LayerWithoutHandlerDropsItsMessages)
{
    Screen.pushLayer(Make("A"));
    PostMessage(Message("dropped"));
    Screen.DispatchMessages();
    EXPECT_TRUE(g_messageQueue.empty());
}

TEST_F(ScreenTest, ReleaseLayerResourcesReleasesTheStackedGroupsOnly)
{
    Screen.pushLayer(Make("A"));
    Screen.pushLayer(Make("B"));
    Screen.pushLayer(Make("C"));
    Screen.ReleaseLayerResources();
    EXPECT_EQ(g_journal, (Names{"release A", "release B"}));
    // Neither push nor pop touched resources.
    Screen.popLayer();
    EXPECT_EQ(g_journal.size(), 2u);
}
