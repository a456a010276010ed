#include "WidgetTestSupport.h"

#include "gui/widgets/Slider.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

class SliderTest : public ::testing::Test {
protected:
    // A 200-pixel track starting at (110, 105), a 10 x 20 manipulator.
    std::unique_ptr<Slider> Make()
    {
        services.AddPicture("#track", 200, 20);
        services.AddPicture("#fill", 200, 20);
        services.AddPicture("#knob", 10, 20);
        XmlElement element("<Slider name=\"Volume\"><position x=\"100\" y=\"500\"/>"
                           "<manipulatorOffset><at x=\"10\" y=\"5\"/></manipulatorOffset>"
                           "<state inactive=\"#track\" active=\"#fill\" manipulator=\"#knob\"/></Slider>");
        return std::unique_ptr<Slider>(static_cast<Slider*>(CreateSlider(element)));
    }

    FakeWidgetServices services;
};

TEST_F(SliderTest, ReadsItsElement)
{
    auto slider = Make();
    EXPECT_EQ(200, slider->trackLength);
    EXPECT_EQ(Point(10, 20), slider->manipulatorSize);
    EXPECT_EQ(Point(10, 5), slider->manipulatorOffset);
    EXPECT_EQ(Point(0, 0), slider->size);
}

TEST_F(SliderTest, AClickOnTheTrackJumpsAndPostsThePercentage)
{
    auto slider = Make();
    EXPECT_TRUE(slider->MouseDown(Point(160, 110)));
    EXPECT_EQ(50, slider->value);
    EXPECT_FALSE(slider->pressed);
    EXPECT_EQ((std::vector<std::string>{"Volume//25"}), TakePosted());
    EXPECT_EQ("25", slider->QueryState(Message("GetPos")).data);
    EXPECT_FALSE(slider->MouseDown(Point(160, 130)));
    EXPECT_FALSE(slider->MouseDown(Point(311, 110)));
}

TEST_F(SliderTest, PostedPercentTruncatesAndQueryRounds)
{
    auto slider = Make();
    struct Case {
        int value;
        int posted;
        std::string queried;
    };
    const Case cases[] = {{199, 99, "100"}, {150, 75, "75"}, {0, 0, "0"}, {200, 100, "100"}};
    for (const Case& c : cases) {
        slider->value = c.value;
        EXPECT_EQ(c.posted, slider->PostedPercent()) << c.value;
        EXPECT_EQ(c.queried, slider->QueryState(Message("GetPos")).data) << c.value;
    }
}

TEST_F(SliderTest, DragFollowsTheMouseWithinTheTrack)
{
    auto slider = Make();
    slider->AcceptMessage(Message("SetPos", "50"));
    ASSERT_EQ(100, slider->value);
    EXPECT_TRUE(TakePosted().empty());

    EXPECT_TRUE(slider->MouseDown(Point(215, 110)));
    EXPECT_TRUE(slider->pressed);
    slider->MouseMove(Point(235, 110));
    EXPECT_EQ(120, slider->value);
    slider->MouseMove(Point(235, 110));
    slider->MouseMove(Point(500, 110));
    EXPECT_EQ(200, slider->value);
    slider->MouseMove(Point(80, 110)); // 30 pixels left of the track start
    EXPECT_EQ(0, slider->value);
    EXPECT_EQ((std::vector<std::string>{"Volume//60", "Volume//60", "Volume//100", "Volume//0"}), TakePosted());
    slider->MouseUp(Point(80, 110));
    EXPECT_FALSE(slider->pressed);
    slider->MouseMove(Point(300, 110));
    EXPECT_EQ(0, slider->value);
}

TEST_F(SliderTest, SetPosIsKeptOnTheTrackAndReadsJunkAsZero)
{
    auto slider = Make();
    struct Case {
        std::string data;
        int value;
    };
    const Case cases[] = {{"50", 100}, {"150", 200}, {"-20", 0}, {"33", 66}, {"loud", 0}};
    for (const Case& c : cases) {
        slider->AcceptMessage(Message("SetPos", c.data));
        EXPECT_EQ(c.value, slider->value) << c.data;
    }
}

TEST(SliderWithoutTrack, PercentagesAreZero)
{
    FakeWidgetServices services;
    XmlElement element("<Slider name=\"Empty\"/>");
    std::unique_ptr<Slider> slider(static_cast<Slider*>(CreateSlider(element)));
    slider->value = 5;
    EXPECT_EQ(0, slider->PostedPercent());
    EXPECT_EQ("0", slider->QueryState(Message("GetPos")).data);
    slider->AcceptMessage(Message("SetPos", "50"));
    EXPECT_EQ(0, slider->value);
}

} // namespace
