// Text in the game's generated fonts, drawn into a real GL context and read
// back, and the layout and measuring rules on a real font table.

#include "engine/platform/Settings.h"
#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace testing_support;

namespace {

struct InkBox {
    int left = 100000, right = -1, bottom = 100000, top = -1;
    bool Empty() const { return right < 0; }
};

class FontGlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* game = std::getenv("VELMORA_GAME_DIR");
        ASSERT_NE(game, nullptr);
        cwd = std::make_unique<ScopedCurrentDir>(std::string(game) + "/data");
        g_settings.useJpegPairs = false;
        ASSERT_TRUE(gl.Open("font test"));
        for (const char* name : {"Title", "TitleLight"}) {
            auto font = std::make_unique<Font>(name, 1.0f);
            ASSERT_TRUE(font->IsLoaded()) << name;
            font->track = 2.0f;
            g_renderDevice.AddFont(std::move(font));
        }
    }

    void TearDown() override
    {
        gl.Close();
    }

    // Bright pixels (the white text on the grey clear) inside a rectangle,
    // y counted from the bottom.
    InkBox Ink(int x, int y, int w, int h)
    {
        g_renderDevice.Gl().Flush();
        const auto pixels = g_renderDevice.Gl().ReadPixels(x, y, w, h);
        InkBox box;
        for (int row = 0; row < h; ++row)
            for (int col = 0; col < w; ++col)
                if (pixels[static_cast<std::size_t>((row * w + col) * 4)] > 150) {
                    box.left = std::min(box.left, x + col);
                    box.right = std::max(box.right, x + col);
                    box.bottom = std::min(box.bottom, y + row);
                    box.top = std::max(box.top, y + row);
                }
        return box;
    }

    ScopedLogFile logFile;
    std::unique_ptr<ScopedCurrentDir> cwd;
    GlTestContext gl;
};

TEST_F(FontGlTest, InkLandsInsideTheLaidOutLine)
{
    g_renderDevice.SelectFont("Title");
    const RenderFont* font = g_renderDevice.CurrentFont();
    ASSERT_NE(font, nullptr);
    const int height = static_cast<int>(font->height);
    g_renderDevice.DrawString(100, 300, "HELLO", 1.0f, 0, false);
    const int width = g_renderDevice.LaidOutWidth();
    ASSERT_GT(width, 40);

    const InkBox ink = Ink(0, 200, 800, 300);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, 100);
    EXPECT_LE(ink.left, 110);
    EXPECT_LE(ink.right, 100 + width);
    EXPECT_GE(ink.right, 100 + width - 15);
    // Capitals stand on the baseline, the descent above the quad's bottom.
    EXPECT_GE(ink.bottom, 300);
    EXPECT_LE(ink.top, 300 + height);
    EXPECT_GT(ink.top - ink.bottom, height / 3);
}

TEST_F(FontGlTest, CentredAndScaledTextSitsOnItsCentre)
{
    g_renderDevice.SelectFont("TitleLight");
    g_renderDevice.DrawString(400, 100, "MMMM", 2.0f, 2, false);
    const int width = g_renderDevice.LaidOutWidth();
    const InkBox ink = Ink(0, 0, 800, 300);
    ASSERT_FALSE(ink.Empty());
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 400.0, 6.0);
    // Twice the laid-out width, less the cells' empty edges.
    EXPECT_GT(ink.right - ink.left, 2 * width - 24);
    EXPECT_LE(ink.right - ink.left, 2 * width);

    // Right aligned: the text ends at x.
    g_renderDevice.DrawString(700, 400, "MMMM", 1.0f, 1, false);
    const InkBox right = Ink(0, 380, 800, 100);
    EXPECT_LE(right.right, 700);
    EXPECT_GE(right.right, 690);
}

TEST_F(FontGlTest, TextRunsGoDownLineByLine)
{
    const std::vector<TextLine> lines = {{"H", "Title", 20, 1.0f, 0xFFFFFFFFu}, {"H", "Title", 30, 1.0f, 0xFFFFFFFFu}};
    g_renderDevice.DrawTextRuns(Point(400, 300), lines);
    g_renderDevice.SelectFont("Title");
    const int descent = 6; // the generated fonts keep a few rows below the baseline
    const InkBox ink = Ink(300, 150, 200, 250);
    ASSERT_FALSE(ink.Empty());
    // The lines stand at y = 280 and y = 250.
    EXPECT_NEAR(ink.bottom, 250 + descent, descent);
    EXPECT_FALSE(Ink(300, 285 + descent, 200, 10).Empty());
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
    g_renderDevice.DrawTextRuns(Point(400, 300), {});
}

TEST_F(FontGlTest, LayoutAndMeasureQuirks)
{
    g_renderDevice.SelectFont("Title");
    const RenderFont& font = *g_renderDevice.CurrentFont();

    // Spaces draw nothing but advance.
    g_renderDevice.LayoutText("   ");
    EXPECT_EQ(g_renderDevice.GlyphCount(), 0);
    EXPECT_EQ(g_renderDevice.LaidOutWidth(), static_cast<int>(3 * (static_cast<float>(font.B[32]) + font.track)));
    // An empty text keeps the last width.
    g_renderDevice.LayoutText("");
    EXPECT_EQ(g_renderDevice.GlyphCount(), 0);
    EXPECT_EQ(g_renderDevice.LaidOutWidth(), static_cast<int>(3 * (static_cast<float>(font.B[32]) + font.track)));

    // The measure counts the space's -xOffset that the layout leaves out.
    g_renderDevice.LayoutText("A B");
    EXPECT_EQ(g_renderDevice.TextWidth("A B"), g_renderDevice.LaidOutWidth() - font.xOffset);
    EXPECT_EQ(g_renderDevice.TextWidthInFont("A B", "Title"), g_renderDevice.TextWidth("A B"));

    // Long strings grow the glyph array.
    const std::string longText(250, 'W');
    g_renderDevice.DrawString(0, 0, longText, 1.0f, 0, false);
    EXPECT_EQ(g_renderDevice.GlyphCount(), 250);
    EXPECT_EQ(g_renderDevice.GlyphVertices().size(), 1500u);

    std::vector<GlyphBox> boxes;
    TextGlyphBoxes("A A", "Title", boxes);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FLOAT_EQ(boxes[0].left, static_cast<float>(font.A['A'] - font.xOffset));
    EXPECT_FLOAT_EQ(boxes[1].left - boxes[0].left,
                    static_cast<float>(font.A['A'] - font.xOffset + font.C['A'] + font.B['A'] + 2 + font.B[32]));
    EXPECT_FLOAT_EQ(boxes[0].height, static_cast<float>(font.height));
}

TEST_F(FontGlTest, UnknownFontsDrawNothingMeasureZeroAndAreLoggedOnce)
{
    g_renderDevice.SelectFont("Nowhere");
    EXPECT_EQ(g_renderDevice.CurrentFont(), nullptr);
    g_renderDevice.DrawString(100, 300, "HELLO", 1.0f, 0, false);
    EXPECT_TRUE(Ink(0, 0, 800, 600).Empty());
    EXPECT_EQ(g_renderDevice.TextWidth("HELLO"), 0);
    EXPECT_EQ(g_renderDevice.TextWidthInFont("HELLO", "Nowhere"), 0);
    std::vector<GlyphBox> boxes;
    TextGlyphBoxes("HELLO", "Nowhere", boxes);
    EXPECT_TRUE(boxes.empty());
    const std::string log = logFile.Text();
    const auto first = log.find("Nowhere");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(log.find("Nowhere", first + 1), std::string::npos);
}

TEST_F(FontGlTest, ASecondFontOfANameKeepsTheFirst)
{
    auto scaled = std::make_unique<Font>("Title", 2.0f);
    ASSERT_TRUE(scaled->IsLoaded());
    const int before = g_renderDevice.TextWidthInFont("HELLO", "Title");
    g_renderDevice.AddFont(std::move(scaled));
    EXPECT_EQ(g_renderDevice.TextWidthInFont("HELLO", "Title"), before);
}

TEST_F(FontGlTest, GarbledOrMissingFontsAreSkippedWithALogLine)
{
    TempDir dir;
    ScopedCurrentDir here(dir.Path());
    WriteTextFile(dir.File("font/Bad.txt"), "ascent = 1\r\ndescent = oops\r\n");
    Font bad("Bad", 1.0f);
    EXPECT_FALSE(bad.IsLoaded());
    Font missing("Missing", 1.0f);
    EXPECT_FALSE(missing.IsLoaded());
    const std::string log = logFile.Text();
    EXPECT_NE(log.find("Font &quot;Bad&quot; skipped"), std::string::npos);
    EXPECT_NE(log.find("Font &quot;Missing&quot; skipped"), std::string::npos);
}

} // namespace
