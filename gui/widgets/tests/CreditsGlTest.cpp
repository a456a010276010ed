// The credits drawn into a real GL context and read back: the text rolls
// through its clipped pane in the widget's colour, and the arcs light the
// backdrop additively. With VELMORA_SAVE_PICTURES set, the credits are
// written as credits.ppm in the test's folder (failing tests always leave
// theirs).

#include "engine/platform/Settings.h"
#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "gui/TextResource.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/Credits.h"
#include "gui/widgets/CreditsColorDrift.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

using namespace testing_support;

namespace {

struct InkBox {
    int left = 100000, right = -1, bottom = 100000, top = -1;
    bool Empty() const { return right < 0; }
};

class CreditsGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* game = std::getenv("VELMORA_GAME_DIR");
        ASSERT_NE(game, nullptr);
        picturesDir = std::filesystem::current_path().string();
        cwd = std::make_unique<ScopedCurrentDir>(std::string(game) + "/data");
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(gl.Open("credits test"));
        auto font = std::make_unique<Font>("Title", 1.0f);
        ASSERT_TRUE(font->IsLoaded());
        g_renderDevice.AddFont(std::move(font));

        TextResourceLine line;
        line.text = "CREDITS";
        line.font = "Title";
        line.lineHeight = static_cast<int>(g_renderDevice.FindFont("Title")->height);
        table["Credits"].lines.push_back(line);
        previousTable = g_textTable;
        g_textTable = &table;
        SeedRandom(1);
    }

    void TearDown() override
    {
        if (widget)
            kernel.StopControllersOf(widget.get());
        widget.reset();
        kernel.FlushPending();
        kernel.Update(0.0f);
        g_textTable = previousTable;
        g_resourceManager.DestroyTextures();
        g_resourceManager.textures2D.clear();
        gl.Close();
    }

    void Make(const std::string& xml)
    {
        document.Parse(xml.c_str());
        ASSERT_FALSE(document.Error());
        widget.reset(static_cast<Credits*>(CreateCredits(document.RootElement())));
        ASSERT_NE(widget, nullptr);
        kernel.FlushPending();
    }

    void DrawFrame()
    {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(60, 60, 60, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.ResetColor();
        widget->Draw();
    }

    // Reddish pixels (the text in the widget's red), y from the bottom.
    static InkBox RedInk()
    {
        g_renderDevice.Gl().Flush();
        const auto pixels = g_renderDevice.Gl().ReadPixels(0, 0, 800, 600);
        InkBox box;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                const std::uint8_t* p = &pixels[static_cast<std::size_t>((y * 800 + x) * 4)];
                if (p[0] > 150 && p[1] < 90) {
                    box.left = std::min(box.left, x);
                    box.right = std::max(box.right, x);
                    box.bottom = std::min(box.bottom, y);
                    box.top = std::max(box.top, y);
                }
            }
        return box;
    }

    // A registered white 64 x 64 picture.
    static void RegisterWhite(const std::string& id)
    {
        auto sprite = std::make_unique<Sprite>();
        sprite->textureWidth = sprite->textureHeight = sprite->imageWidth = sprite->imageHeight = 64;
        UploadTexture(*sprite, 64, 64, std::vector<std::uint32_t>(64 * 64, 0xFFFFFFFFu));
        auto& entry = g_resourceManager.textures2D[id];
        entry.object = std::move(sprite);
        entry.uploaded = true;
    }

    std::string picturesDir;
    ScopedLogFile log;
    std::unique_ptr<ScopedCurrentDir> cwd;
    GlTestContext gl;
    TextTable table;
    const TextTable* previousTable = nullptr;
    TiXmlDocument document;
    std::unique_ptr<Credits> widget;
};

// A pane from x 100 to 700 and from y 100 to 500 (from the bottom); the text
// starts with its top at pane height 300 and rolls down 10 points a second.
const char* const kPane = R"(<Credits name="credits" width="600" height="400" time="60" from="0" to="-600">
    <position x="100" y="500"/><textPosition x="300" y="300"/>
  </Credits>)";

} // namespace

TEST_F(CreditsGlTest, TheTextRollsThroughItsPaneInTheWidgetsColour)
{
    Make(kPane);
    widget->color = Color(255, 0, 0);
    DrawFrame();
    const InkBox start = RedInk();
    ASSERT_FALSE(start.Empty());
    EXPECT_NEAR((start.left + start.right) / 2, 400, 4); // centred on pane x 300
    EXPECT_LE(start.top, 400);
    EXPECT_GE(start.top, 380);

    for (int i = 0; i < 20; ++i)
        kernel.Update(0.1f);
    ASSERT_EQ(widget->ScrollOffset(), -20);
    DrawFrame();
    const InkBox later = RedInk();
    ASSERT_FALSE(later.Empty());
    EXPECT_EQ(later.top, start.top - 20);
    EXPECT_EQ(later.bottom, start.bottom - 20);
    if (std::getenv("VELMORA_SAVE_PICTURES"))
        SaveScreenPicture(picturesDir + "/credits.ppm");

    // Rolled below the pane's bottom edge, the text is clipped away.
    for (int i = 0; i < 29; ++i)
        kernel.Update(1.0f);
    ASSERT_EQ(widget->ScrollOffset(), -310);
    DrawFrame();
    const InkBox clipped = RedInk();
    EXPECT_TRUE(clipped.Empty() || clipped.bottom >= 100) << clipped.bottom;
}

TEST_F(CreditsGlTest, TheArcsLightTheBackdropOnBothSides)
{
    RegisterWhite("HISTORY_ARC_MASK");
    Make(kPane);
    kernel.Update(0.5f);
    DrawFrame();
    const CreditsColorDrift& drift = *widget->_drift;
    // Additive: the grey backdrop plus the arc's colour at its level.
    const auto right = At(420, 20);
    const auto left = At(380, 20);
    const int expectedRight = std::min(255, 60 + drift._arc1._color.r * static_cast<int>(drift._arc1._level) / 255);
    const int expectedLeft = std::min(255, 60 + drift._arc2._color.r * static_cast<int>(drift._arc2._level) / 255);
    EXPECT_NEAR(right[0], expectedRight, 3);
    EXPECT_NEAR(left[0], expectedLeft, 3);
    EXPECT_NEAR(At(600, 300)[0], 60, 2); // beyond the 64-point mask
}

TEST_F(CreditsGlTest, APictureThatIsNotInVideoMemoryIsSkipped)
{
    auto& entry = g_resourceManager.textures2D["HISTORY_FIRST_PLANE"];
    entry.object = std::make_unique<Sprite>();
    entry.object->textureWidth = entry.object->textureHeight = 512;
    Make(kPane);
    DrawFrame();
    const auto corner = At(10, 10);
    EXPECT_NEAR(corner[0], 60, 2) << "no untextured plane over the backdrop";
    EXPECT_NEAR(corner[2], 60, 2);
}
