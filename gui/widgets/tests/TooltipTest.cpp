#include "WidgetTestSupport.h"

#include "gui/widgets/Tooltip.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

long Lookups(const FakeWidgetServices& services, const std::string& id)
{
    return std::count(services.pictureLookups.begin(), services.pictureLookups.end(), id);
}

TEST(Tooltip, FramePictureIsLookedUpOnceItIsFound)
{
    FakeWidgetServices services;
    g_tooltipFramePicture = nullptr;
    DrawTooltipFrame(0, 0, 100, 100);
    EXPECT_EQ(nullptr, g_tooltipFramePicture);
    Sprite* first = services.AddPicture("#ToolTip_Ramka", 64, 64);
    DrawTooltipFrame(0, 0, 100, 100);
    EXPECT_EQ(first, g_tooltipFramePicture);
    EXPECT_TRUE(first->linearFilter);
    auto kept = std::move(services.pictures["#ToolTip_Ramka"]);
    services.AddPicture("#ToolTip_Ramka", 64, 64); // registered again: not looked at
    DrawTooltipFrame(0, 0, 100, 100);
    EXPECT_EQ(2, Lookups(services, "#ToolTip_Ramka"));
    g_tooltipFramePicture = nullptr;
}

TEST(Tooltip, ArrowPictureIsLookedUpOnce)
{
    FakeWidgetServices services;
    g_tooltipArrowPicture = nullptr;
    services.AddPicture("#ToolTip_Strelka", 128, 64);
    DrawTooltipArrow(Point(100, 100), 0.0f, 90);
    DrawTooltipArrow(Point(100, 100), 0.5f, 90);
    EXPECT_EQ(1, Lookups(services, "#ToolTip_Strelka"));
    EXPECT_EQ(RenderDevice::kWorld, g_renderDevice.GetMatrixMode());
    g_tooltipArrowPicture = nullptr;
}

TEST(Tooltip, AFrameAroundALineKeepsItsSizeOrWidensToClearTheOrnaments)
{
    struct Case {
        int textWidth;
        int expectedWidth;
    };
    // A short line keeps the 130 points; a longer one widens the frame.
    for (const Case& c : {Case{50, 130}, Case{54, 130}, Case{100, 176}}) {
        const Rect frame = TooltipFrameAround(300, 200, 130, 40, c.textWidth);
        EXPECT_EQ(frame.w, c.expectedWidth) << c.textWidth;
        EXPECT_EQ(frame.h, 40);
        EXPECT_EQ(frame.x + frame.w / 2, 300) << "centred on the line";
        EXPECT_EQ(frame.y, 180);
        // The line, centred, lies between the two ornaments.
        EXPECT_LE(frame.x + kTooltipOrnamentWidth, 300 - c.textWidth / 2) << c.textWidth;
        EXPECT_GE(frame.x + frame.w - kTooltipOrnamentWidth, 300 + c.textWidth / 2) << c.textWidth;
    }
}

} // namespace
