// The custom cursor: its pictures, its images during a frame, and the rules
// that choose between it and the system cursor.

#include "app/GameFrameServices.h"
#include "engine/platform/Application.h"
#include "engine/platform/CustomCursor.h"
#include "engine/platform/FrameServices.h"
#include "engine/platform/InputState.h"
#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/tests/ImageFixtures.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace testing_support;

namespace {

TEST(CustomCursor, Transitions)
{
    CustomCursor cursor;
    cursor.SetActive();
    EXPECT_TRUE(cursor.IsActive());
    EXPECT_TRUE(cursor.IsHighlighted());
    EXPECT_EQ(&cursor.CurrentSprite(), &cursor.activeImage);
    cursor.SetPressed();
    EXPECT_TRUE(cursor.pressed);
    EXPECT_TRUE(cursor.IsActive());
    EXPECT_TRUE(cursor.IsHighlighted());
    EXPECT_EQ(&cursor.CurrentSprite(), &cursor.pressedImage);
    cursor.SetActive();
    EXPECT_FALSE(cursor.pressed);
    cursor.SetNormal();
    EXPECT_FALSE(cursor.IsActive() || cursor.IsHighlighted() || cursor.pressed);
    EXPECT_EQ(&cursor.CurrentSprite(), &cursor.normalImage);
}

TEST(CustomCursor, LoadsItsThreePicturesAndLeavesAMissingOneEmpty)
{
    TempDir dir;
    ScopedCurrentDir cwd(dir.Path());
    AllocateImageBuffers();
    const bool pairs = g_settings.useJpegPairs;
    g_settings.useJpegPairs = false;
    std::filesystem::create_directories(dir.File("textures"));
    for (const char* name : {"cur_normal", "cur_press"}) {
        const std::vector<std::uint8_t> pixels(20 * 30 * 4, 255);
        std::ofstream(dir.File(std::string("textures/") + name + ".tga"), std::ios::binary)
            << fixtures::MakeTga(20, 30, 2, 32, pixels);
    }
    CustomCursor cursor;
    cursor.SetActive();
    cursor.Load();
    g_settings.useJpegPairs = pairs;
    EXPECT_EQ(cursor.current, CustomCursor::Image::Normal);
    EXPECT_EQ(cursor.normalImage.imageWidth, 20);
    EXPECT_EQ(cursor.normalImage.imageHeight, 30);
    // Uploaded at its own size: the cursor's quad is the picture itself.
    EXPECT_EQ(cursor.normalImage.textureWidth, 20);
    EXPECT_EQ(cursor.normalImage.textureHeight, 30);
    EXPECT_EQ(cursor.pressedImage.imageWidth, 20);
    EXPECT_EQ(cursor.activeImage.imageWidth, 0);
}

TEST(CustomCursor, FrameResetsItAndPressesOnlyOverAnActiveWidget)
{
    CustomCursor cursor;
    CustomCursor* const previous = g_cursor;
    g_cursor = &cursor;
    GameFrameServices frame;
    const struct {
        bool active;
        bool buttonDown;
        CustomCursor::Image shown;
    } cases[] = {
        {false, false, CustomCursor::Image::Normal},
        {false, true, CustomCursor::Image::Normal},
        {true, false, CustomCursor::Image::Active},
        {true, true, CustomCursor::Image::Pressed},
    };
    for (const auto& c : cases) {
        cursor.SetActive();
        frame.ResetCursorImage();
        EXPECT_EQ(cursor.current, CustomCursor::Image::Normal);
        if (c.active)
            cursor.SetActive(); // a widget under the mouse
        g_input.buttonDown = c.buttonDown;
        frame.DrawCursor();
        EXPECT_EQ(cursor.current, c.shown) << c.active << c.buttonDown;
    }
    g_input.buttonDown = false;
    g_cursor = previous;
}

TEST(CursorVisibility, WindowedAndFullScreenRules)
{
    const struct {
        bool fullscreen, option, inside;
        bool custom, systemShown;
    } cases[] = {
        {true, true, false, true, false},  {true, false, true, false, true},
        {false, true, true, true, false},  {false, true, false, false, true},
        {false, false, true, false, true}, {false, false, false, false, true},
    };
    for (const auto& c : cases) {
        const auto decided = Application::DecideCursorVisibility(c.fullscreen, c.option, c.inside);
        EXPECT_EQ(decided.customCursorInUse, c.custom) << c.fullscreen << c.option << c.inside;
        EXPECT_EQ(decided.showSystemCursor, c.systemShown) << c.fullscreen << c.option << c.inside;
    }
}

TEST(CursorVisibility, TheCaptionBarIsOutside)
{
    // A window from (100, 50) to (900, 680) with a caption of 30.
    const struct {
        int x, y;
        bool inside;
    } cases[] = {{500, 60, false}, {500, 79, false}, {500, 80, true}, {100, 680, true},
                 {900, 400, true}, {901, 400, false}, {99, 400, false}, {500, 681, false}};
    for (const auto& c : cases)
        EXPECT_EQ(Application::PointerInsideWindow(c.x, c.y, 100, 50, 900, 680, 30), c.inside) << c.x << "," << c.y;
}

} // namespace
