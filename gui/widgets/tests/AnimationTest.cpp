#include "WidgetTestSupport.h"

#include "engine/render/FrameSequence.h"
#include "engine/resources/ResourceManager.h"
#include "gui/widgets/Animation.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

class AnimationTest : public ::testing::Test {
protected:
    AnimationTest()
    {
        // Four empty frames are enough: the player only hands them over.
        g_resourceManager.frameAnimations["fish"].object =
            std::make_unique<FrameSequence>("anim\\", "fish", "png", 4, 0, 1);
        g_resourceManager.frameAnimations["empty"].object =
            std::make_unique<FrameSequence>("anim\\", "none", "png", 0, 0, 1);
    }
    ~AnimationTest() override
    {
        kernel.FlushPending();
        kernel.Update(0.0f);
        g_resourceManager.frameAnimations.clear();
    }

    std::unique_ptr<Animation> Make()
    {
        XmlElement element("<Animation name=\"Fish\"><position x=\"100\" y=\"500\"/></Animation>");
        return std::unique_ptr<Animation>(static_cast<Animation*>(CreateAnimation(element)));
    }

    const Sprite* Frame(int i) const
    {
        return g_resourceManager.frameAnimations["fish"].object->frames[static_cast<std::size_t>(i)].get();
    }

    // One frame of the main loop's controller pass.
    static void RunFrame(float dt)
    {
        kernel.FlushPending();
        kernel.Update(dt);
    }

    FakeWidgetServices services;
};

TEST_F(AnimationTest, HiddenAndDeafUntilPlayed)
{
    auto animation = Make();
    EXPECT_FALSE(animation->visible);
    EXPECT_TRUE(animation->ignoresMouse);
    EXPECT_TRUE(animation->fixed);
    EXPECT_EQ(Point(100, 100), animation->position);
    EXPECT_FALSE(animation->MouseDown(Point(100, 100)));
}

TEST_F(AnimationTest, PlayShowsEveryFrameOnceAndKeepsTheLast)
{
    auto animation = Make();
    animation->AcceptMessage(Message("Play", "fish, 0.25"));
    EXPECT_TRUE(animation->visible);
    kernel.FlushPending();
    EXPECT_EQ(Frame(0), animation->picture);
    const std::size_t running = kernel.Active().size();
    std::vector<const Sprite*> shown;
    for (int i = 0; i < 6; ++i) {
        RunFrame(0.25f);
        shown.push_back(animation->picture);
    }
    EXPECT_EQ((std::vector<const Sprite*>{Frame(0), Frame(1), Frame(2), Frame(3), Frame(3), Frame(3)}), shown);
    EXPECT_EQ(running - 1, kernel.Active().size()); // the player is gone
}

TEST_F(AnimationTest, PlayDataMaySeparateItsWordsWithPunctuation)
{
    auto animation = Make();
    const std::size_t pending = kernel.Pending().size();
    animation->AcceptMessage(Message("Play", "fish, 0.05"));
    EXPECT_TRUE(animation->visible);
    EXPECT_EQ(pending + 1, kernel.Pending().size());
}

TEST_F(AnimationTest, BadPlayRequestsAreRefused)
{
    const char* requests[] = {"fish", "", "shark 0.05", "empty 0.05", "fish 0", "fish -1", "fish slow"};
    for (const char* request : requests) {
        auto animation = Make();
        const std::size_t pending = kernel.Pending().size();
        animation->AcceptMessage(Message("Play", request));
        EXPECT_FALSE(animation->visible) << request;
        EXPECT_EQ(pending, kernel.Pending().size()) << request;
    }
}

TEST_F(AnimationTest, DeletingTheWidgetStopsItsPlayer)
{
    auto animation = Make();
    animation->AcceptMessage(Message("Play", "fish (0.05)"));
    RunFrame(0.25f);
    animation.reset();
    RunFrame(0.25f); // would write into the deleted widget otherwise
    RunFrame(0.25f);
    SUCCEED();
}

} // namespace
