// The world map's small parts: the tip's outline test, the symbol sheet,
// the flag's cloth, the text queue, the level texts file, the statistics'
// time text and the message box's size.

#include "game/screens/FlagCloth.h"
#include "game/screens/GameStatistics.h"
#include "game/screens/LevelTextsFile.h"
#include "game/screens/MapTextQueue.h"
#include "game/screens/MessageBox.h"
#include "game/screens/TipOutline.h"
#include "game/screens/WaypointSheet.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_support;

namespace {

// The corner tip's outline, placed at its anchor (60, 470).
std::vector<Point> TipOutlineAtAnchor()
{
    std::vector<Point> outline;
    for (const Point& corner : {Point(41, 5), Point(59, 50), Point(36, 71), Point(7, 64), Point(0, 34)})
        outline.push_back(corner + Point(60, 470));
    return outline;
}

} // namespace

TEST(TipOutline, InsideOutsideAndOnTheEdges)
{
    const std::vector<Point> outline = TipOutlineAtAnchor();
    EXPECT_TRUE(IsInsideOutline(outline, Point(90, 510)));
    EXPECT_FALSE(IsInsideOutline(outline, Point(60, 470)));  // the anchor lies outside
    EXPECT_FALSE(IsInsideOutline(outline, Point(125, 540)));
    // Corners and points on edges count as inside; no NaN loses them.
    for (const Point& corner : outline)
        EXPECT_TRUE(IsInsideOutline(outline, corner));
}

TEST(TipOutline, FlatTrianglesHaveNoArea)
{
    // Collinear corners: the product under the root rounds to a little
    // above or below 0; the area stays a small number, never a NaN.
    for (int n = 1; n < 200; ++n) {
        const float area = TriangleArea(Point(0, 0), Point(n, 3 * n), Point(2 * n, 6 * n));
        EXPECT_FALSE(std::isnan(area)) << n;
        EXPECT_LT(area, 5.0f) << n;
    }
    EXPECT_FLOAT_EQ(TriangleArea(Point(0, 0), Point(4, 0), Point(0, 3)), 6.0f);
}

TEST(TipOutline, FewerThanThreeCornersHoldNothing)
{
    EXPECT_FALSE(IsInsideOutline({}, Point(0, 0)));
    EXPECT_FALSE(IsInsideOutline({Point(0, 0), Point(10, 10)}, Point(5, 5)));
}

TEST(WaypointSheet, CellsOfTheSheetAndTheBadges)
{
    const SheetCell first = StageCell(0, true);
    EXPECT_FLOAT_EQ(first.uLeft, 0.0f);
    EXPECT_FLOAT_EQ(first.uRight, 0.25f);
    EXPECT_FLOAT_EQ(first.vBottom, 0.875f);
    EXPECT_FLOAT_EQ(first.vTop, 1.0f);
    const SheetCell other = StageCell(6, false);
    EXPECT_FLOAT_EQ(other.uLeft, 0.25f);
    EXPECT_FLOAT_EQ(other.uRight, 0.5f);
    EXPECT_FLOAT_EQ(other.vBottom, 0.125f);
    EXPECT_FLOAT_EQ(other.vTop, 0.25f);
    // A ninth stage starts the second column.
    EXPECT_FLOAT_EQ(StageCell(8, true).uLeft, 0.5f);
    EXPECT_FLOAT_EQ(StageCell(8, true).vBottom, 0.875f);

    EXPECT_FLOAT_EQ(CurrentCell(false).uLeft, 0.75f);
    EXPECT_FLOAT_EQ(CurrentCell(true).vBottom, 0.875f);
    EXPECT_FLOAT_EQ(LockedCell(true).uLeft, 0.5f);
    EXPECT_FLOAT_EQ(LockedCell(true).vBottom, 0.75f);
    EXPECT_FLOAT_EQ(GlowCell().uRight, 0.75f);
    EXPECT_FLOAT_EQ(GlowCell().vBottom, 0.625f);
    EXPECT_FLOAT_EQ(BadgeRow(2).vBottom, 0.625f);
    EXPECT_FLOAT_EQ(BadgeRow(2).vTop, 0.75f);
}

TEST(FlagCloth, HeldAtThePoleAndShadedBySwing)
{
    for (float t : {0.0f, 1.3f, 7.9f}) {
        const FlagClothEdges edges = ComputeFlagCloth(t, false);
        // The first edge is the pole's side: it does not move.
        EXPECT_FLOAT_EQ(edges[0].lower.x, 14.0f);
        EXPECT_FLOAT_EQ(edges[0].lower.y, 32.0f);
        EXPECT_FLOAT_EQ(edges[0].upper.y, 64.0f);
        EXPECT_EQ(edges[0].colour, Color(192, 63, 192, 255));
        EXPECT_FLOAT_EQ(edges[16].u, 62.0f / 64.0f);
        for (const ClothEdge& edge : edges) {
            EXPECT_GE(edge.colour.r, 129);
            EXPECT_EQ(edge.colour.g, 255 - edge.colour.r);
        }
    }
    for (const ClothEdge& edge : ComputeFlagCloth(2.0f, true))
        EXPECT_EQ(edge.colour, Color(128, 128, 128, 128));
}

TEST(MapTextQueue, OneTextStaysAndTheSameTextIsQueuedOnce)
{
    TextBlock a, b;
    MapTextQueue queue;
    queue.Set(&a);
    queue.Push(&a);
    EXPECT_EQ(queue.texts.size(), 1u);
    queue.Update(0.1f);
    EXPECT_FALSE(queue.scrolling);
    queue.Push(nullptr);
    queue.Set(nullptr);
    EXPECT_EQ(queue.texts.size(), 1u);

    // A second text scrolls in over 2.5 seconds and the first goes.
    queue.Push(&b);
    queue.Update(0.1f);
    EXPECT_TRUE(queue.scrolling);
    EXPECT_FLOAT_EQ(queue.transition, 0.0f);
    queue.Update(1.25f);
    EXPECT_NEAR(queue.scrollOffset, 70.0f, 0.01f);
    queue.Update(1.25f);
    EXPECT_FALSE(queue.scrolling);
    EXPECT_FLOAT_EQ(queue.scrollOffset, 0.0f);
    ASSERT_EQ(queue.texts.size(), 1u);
    EXPECT_EQ(queue.texts[0], &b);
}

TEST(MapTextQueue, SettingATextDuringAScrollShowsItInItsPlace)
{
    TextBlock a, b, c;
    MapTextQueue queue;
    queue.Set(&a);
    queue.Push(&b);
    queue.Update(0.0f);
    queue.Update(1.0f);
    ASSERT_GT(queue.scrollOffset, 0.0f);
    queue.Set(&c);
    EXPECT_FALSE(queue.scrolling);
    EXPECT_FLOAT_EQ(queue.scrollOffset, 0.0f);
    ASSERT_EQ(queue.texts.size(), 1u);
    EXPECT_EQ(queue.Last(), &c);
}

TEST(MapTextQueue, ACrossFadeTakesHalfASecond)
{
    TextBlock a, b;
    MapTextQueue queue;
    queue.Set(&a);
    queue.Push(&b);
    queue.crossFade = true;
    queue.Update(0.0f);
    queue.Update(0.25f);
    EXPECT_TRUE(queue.scrolling);
    queue.Update(0.25f);
    EXPECT_FALSE(queue.scrolling);
    EXPECT_EQ(queue.Last(), &b);
}

TEST(LevelTextsFile, TextsByStageNameAndNumbersAndTheViewPort)
{
    TempDir dir;
    ScopedLogFile log;
    const std::string file = dir.File("levelTexts.xml");
    WriteTextFile(file, "<T><TextViewPort x=\"10\" y=\"20\" width=\"300\" height=\"140\"/>"
                        "<text id=\"Sea_2_1\"><string>first</string></text>"
                        "<text id=\"Sea_2_1\"><string>second</string></text>"
                        "<text id=\"Land_1_2\"><string>a</string><string>b</string></text></T>");
    std::vector<LevelMapStage> stages(2);
    stages[0].name = "Land";
    stages[0].levels.resize(2);
    stages[1].name = "Sea";
    stages[1].levels.resize(1);
    LevelTexts texts;
    ASSERT_TRUE(LoadLevelTextsFile(file, stages, texts));
    EXPECT_EQ(texts.viewPort.x, 10);
    EXPECT_EQ(texts.viewPort.h, 140);
    EXPECT_EQ(texts.Find(0, 0), nullptr);
    ASSERT_NE(texts.Find(0, 1), nullptr);
    EXPECT_EQ(texts.Find(0, 1)->lines.size(), 2u);
    ASSERT_NE(texts.Find(1, 0), nullptr);
    EXPECT_EQ(texts.Find(1, 0)->lines[0].text, "first");
    // Outside the map: nothing, never an overrun.
    EXPECT_EQ(texts.Find(1, 1), nullptr);
    EXPECT_EQ(texts.Find(7, 0), nullptr);
    EXPECT_EQ(texts.Find(-1, 0), nullptr);
    EXPECT_EQ(LevelTextId("X", 2, 5), "X_2_5");
}

TEST(LevelTextsFile, AFileThatDoesNotLoadLeavesEveryTextEmpty)
{
    TempDir dir;
    ScopedLogFile log;
    std::vector<LevelMapStage> stages(1);
    stages[0].levels.resize(3);
    for (const char* text : {"", "<T><text id=\"", "<T></U>"}) {
        WriteTextFile(dir.File("bad.xml"), text);
        LevelTexts texts;
        EXPECT_FALSE(LoadLevelTextsFile(dir.File("bad.xml"), stages, texts));
        EXPECT_EQ(texts.viewPort.w, 0);
        EXPECT_EQ(texts.Find(0, 2), nullptr);
    }
    EXPECT_NE(log.Text().find("Can't load the texts"), std::string::npos);
}

TEST(StatisticsTime, MinutesAndSeconds)
{
    const struct {
        float seconds;
        const char* text;
    } cases[] = {{75.4f, " 01:15"}, {600.0f, " 10:00"}, {59.99f, " 00:59"}, {0.0f, " 00:00"},
                 {3599.0f, " 59:59"}, {-3.0f, " 00:00"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatLevelTime(c.seconds), c.text) << c.seconds;
}

TEST(MessageBoxLayout, WidthFromTheWiderOfTextAndButtonRow)
{
    // 80 + 180 + 10 = 270 is more than 200 + 39: W = int(270 * 0.025 + 2) * 40.
    MessageBoxLayout layout = ComputeMessageBoxLayout(200, 50, 60, 32, 80, 48);
    EXPECT_EQ(layout.labelSpan, 180);
    EXPECT_EQ(layout.width, 320);
    EXPECT_EQ(layout.rowHeight, 40);
    EXPECT_EQ(layout.height, 160);
    // A wide text decides; no buttons count 0.
    layout = ComputeMessageBoxLayout(400, 0, 0, 0, 0, 0);
    EXPECT_EQ(layout.width, 480);
    EXPECT_EQ(layout.rowHeight, 0);
    EXPECT_EQ(layout.height, 80);
}
