#include "WidgetTestSupport.h"

#include "gui/widgets/Water.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool Running(const IController* controller)
{
    const auto& active = kernel.Active();
    const auto& pending = kernel.Pending();
    return std::find(active.begin(), active.end(), controller) != active.end() ||
           std::find(pending.begin(), pending.end(), controller) != pending.end();
}

TEST(Water, WithoutChildrenItCoversTheMapArea)
{
    FakeWidgetServices services;
    Sprite* picture = services.AddPicture("#MAP_WATER", 128, 128);
    XmlElement element("<Water name=\"Sea\"/>");
    std::unique_ptr<Water> water(static_cast<Water*>(CreateWater(element)));
    EXPECT_EQ(Point(40, 0), water->position);
    EXPECT_EQ(Point(600, 600), water->size);
    EXPECT_EQ(40, water->rect.x);
    EXPECT_EQ(600, water->rect.h);
    EXPECT_TRUE(water->ignoresMouse);
    EXPECT_EQ(picture, water->picture);
    EXPECT_TRUE(picture->linearFilter);
}

TEST(Water, ColourAndRectangleInScreenCoordinates)
{
    FakeWidgetServices services;
    services.AddPicture("#MAP_WATER", 128, 128);
    XmlElement element("<Water name=\"Sea\"><color r=\"10\" a=\"100\"/>"
                       "<rectangle x=\"5\" y=\"6\" width=\"70\" height=\"80\"/></Water>");
    std::unique_ptr<Water> water(static_cast<Water*>(CreateWater(element)));
    EXPECT_EQ(Point(5, 6), water->position);
    EXPECT_EQ(Point(70, 80), water->size);
    EXPECT_EQ(Color(10, 255, 255, 100), water->color);
}

TEST(Water, ThePhaseRunsWithTheWidgetOnly)
{
    FakeWidgetServices services;
    services.AddPicture("#MAP_WATER", 128, 128);
    XmlElement element("<Water name=\"Sea\"/>");
    std::unique_ptr<Water> water(static_cast<Water*>(CreateWater(element)));
    const IController* phase = &water->phase;
    kernel.FlushPending();
    for (int i = 0; i < 10; ++i)
        kernel.Update(1.0f);
    EXPECT_NEAR(0.2f, water->phase._phase, 1e-5f);
    EXPECT_TRUE(Running(phase));
    water.reset();
    EXPECT_FALSE(Running(phase));
    kernel.Update(1.0f);
}

TEST(Water, WithoutItsPictureItIsMadeButDrawsNothing)
{
    FakeWidgetServices services;
    XmlElement element("<Water name=\"Sea\"/>");
    std::unique_ptr<Water> water(static_cast<Water*>(CreateWater(element)));
    ASSERT_NE(nullptr, water);
    EXPECT_EQ(nullptr, water->picture);
    water->Draw();
    EXPECT_EQ(0xFFFFFFFFu, g_renderDevice.CurrentColor());
}

} // namespace
