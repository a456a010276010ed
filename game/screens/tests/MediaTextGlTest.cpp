// The media text in the game's fonts, drawn into a real GL context: its
// fade and zoom over time, the one centre that every line zooms about (read
// back from the laid-out glyphs), the pixels it leaves, and mediaText.xml
// read without its parts.

#include "engine/platform/Settings.h"
#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"
#include "game/screens/MediaText.h"
#include "game/screens/MediaTextFile.h"
#include "game/screens/TestWidget.h"
#include "gui/controllers/ControllerManager.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace testing_support;

namespace {

const char* const kTwoLines = R"(<Text>
    <string font="Letter">presents</string>
    <string font="Title">Velmora Ascendant</string>
  </Text>)";

class MediaTextGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* game = std::getenv("VELMORA_GAME_DIR");
        ASSERT_NE(game, nullptr);
        _cwd = std::make_unique<ScopedCurrentDir>(std::string(game) + "/data");
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(_gl.Open("media text test"));
        for (const char* name : {"Title", "Letter"}) {
            auto font = std::make_unique<Font>(name, 1.0f);
            ASSERT_TRUE(font->IsLoaded()) << name;
            g_renderDevice.AddFont(std::move(font));
        }
        _document.Parse(kTwoLines);
        ASSERT_FALSE(_document.Error());
        _media = std::make_unique<MediaText>(_document.RootElement());
        ASSERT_EQ(_media->text.lines.size(), 2u);
    }

    void TearDown() override
    {
        _media.reset();
        _gl.Close();
    }

    // The brightest red of the screen's pixels in the box (y from the bottom).
    static int Brightest(int x, int y, int w, int h)
    {
        g_renderDevice.Gl().Flush();
        const auto pixels = g_renderDevice.Gl().ReadPixels(x, y, w, h);
        int brightest = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4)
            brightest = std::max(brightest, static_cast<int>(pixels[i]));
        return brightest;
    }

    void Clear()
    {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(0, 0, 0, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.ResetColor();
    }

    std::unique_ptr<ScopedCurrentDir> _cwd;
    GlTestContext _gl;
    TiXmlDocument _document;
    std::unique_ptr<MediaText> _media;
};

} // namespace

TEST_F(MediaTextGlTest, ItFadesInHoldsAndFadesOutWhileItZooms)
{
    struct Case {
        float time;
        int alpha;
        float scale;
    };
    const Case cases[] = {{0.0f, 0, 1.0f}, {0.5f, 255, 1.25f}, {1.0f, 0, 1.5f}, {3.0f, 0, 1.5f}};
    for (const Case& c : cases) {
        _media->time = c.time;
        EXPECT_EQ(_media->Alpha(), c.alpha) << c.time;
        EXPECT_FLOAT_EQ(_media->ScaleX(), c.scale) << c.time;
        EXPECT_FLOAT_EQ(_media->ScaleY(), c.scale) << c.time;
    }
    // Five seconds at its speed.
    _media->time = 0.0f;
    for (int i = 0; i < 50; ++i)
        _media->Advance(0.1f);
    EXPECT_NEAR(_media->time, 1.0f, 1e-5f);
}

TEST_F(MediaTextGlTest, EveryLineZoomsAboutTheTextsOneCentre)
{
    _media->time = 0.0f;
    const auto still = _media->Layout();
    ASSERT_EQ(still.size(), 2u);
    // The last line first, standing on y 200; the line above it higher.
    float lowest = 1e9f, highest = -1e9f;
    for (const std::vector<Vertex>& line : still) {
        ASSERT_FALSE(line.empty());
        float left = 1e9f, right = -1e9f;
        for (const Vertex& v : line) {
            left = std::min(left, v.x);
            right = std::max(right, v.x);
            EXPECT_EQ(v.diffuse, 0x00FFFFFFu) << "white and invisible at the start";
        }
        EXPECT_NEAR((left + right) / 2.0f, 400.0f, 12.0f) << "centred on x 400";
    }
    for (const Vertex& v : still[0])
        lowest = std::min(lowest, v.y);
    EXPECT_EQ(lowest, 200.0f);
    for (const Vertex& v : still[1])
        highest = std::max(highest, v.y);
    EXPECT_GT(highest, 200.0f + 20.0f);

    _media->time = 0.6f;
    const float s = _media->ScaleX();
    ASSERT_GT(s, 1.2f);
    const auto zoomed = _media->Layout();
    ASSERT_EQ(zoomed.size(), still.size());
    const float centreY = 200.0f + static_cast<float>(_media->text.height) / 2.0f;
    for (std::size_t line = 0; line < still.size(); ++line) {
        ASSERT_EQ(zoomed[line].size(), still[line].size());
        for (std::size_t i = 0; i < still[line].size(); ++i) {
            const Vertex& a = still[line][i];
            const Vertex& b = zoomed[line][i];
            EXPECT_NEAR(b.x - 400.0f, (a.x - 400.0f) * s, 1e-3f) << line << " " << i;
            EXPECT_NEAR(b.y - centreY, (a.y - centreY) * s, 1e-3f) << line << " " << i;
            EXPECT_EQ(b.diffuse, 0xFFFFFFFFu);
            EXPECT_EQ(b.u, a.u);
            EXPECT_EQ(b.v, a.v);
        }
    }
}

TEST_F(MediaTextGlTest, ItIsDrawnWhileVisibleOnly)
{
    _media->time = 0.0f;
    Clear();
    _media->Draw();
    EXPECT_LT(Brightest(200, 150, 400, 150), 10);
    _media->time = 0.5f;
    Clear();
    _media->Draw();
    EXPECT_GT(Brightest(200, 180, 400, 40), 200) << "the last line above y 200";
    EXPECT_LT(Brightest(0, 0, 800, 100), 10);
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
}

TEST_F(MediaTextGlTest, AFileWithoutItsPartsLeavesNoRecord)
{
    TempDir folder;
    struct Case {
        const char* text; // null: no file
        const char* logged;
    };
    const Case cases[] = {
        {nullptr, "could not be read"},
        {"<MediaTexts><Other/></MediaTexts>", "has no &quot;MediaText&quot; element"},
        {"<MediaTexts><MediaText><Line/></MediaText></MediaTexts>", "has no &quot;Text&quot;"},
        {"<MediaTexts><MediaText", "could not be read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.logged);
        const std::string path = folder.File("mediaText.xml");
        std::remove(path.c_str());
        if (c.text)
            WriteTextFile(path, c.text);
        ScopedLogFile log;
        EXPECT_EQ(ReadMediaTextFile(path), nullptr);
        EXPECT_NE(log.Text().find(c.logged), std::string::npos);
    }
    WriteTextFile(folder.File("mediaText.xml"),
                  std::string("<MediaTexts><MediaText>") + kTwoLines + "</MediaText><MediaText/></MediaTexts>");
    const auto media = ReadMediaTextFile(folder.File("mediaText.xml"));
    ASSERT_NE(media, nullptr);
    EXPECT_EQ(media->text.lines.size(), 2u);
    EXPECT_FLOAT_EQ(media->speed, 0.2f);
}

TEST_F(MediaTextGlTest, TheSplashWidgetRunsItsTextFromItsConstruction)
{
    // The game folder's own mediaText.xml.
    auto widget = std::make_unique<TestWidget>("MediaText", nullptr);
    ASSERT_NE(widget->_media, nullptr);
    kernel.FlushPending();
    for (int i = 0; i < 10; ++i)
        kernel.Update(0.25f);
    EXPECT_NEAR(widget->_media->time, 0.5f, 1e-5f);
    Clear();
    widget->Draw();
    EXPECT_GT(Brightest(150, 180, 500, 100), 200);
    // Its updater stops with it (the sanitizers watch it touch nothing).
    const std::size_t running = kernel.Active().size();
    widget.reset();
    kernel.Update(0.25f);
    EXPECT_EQ(kernel.Active().size(), running - 1);
}
