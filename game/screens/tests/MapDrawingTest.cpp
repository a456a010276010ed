// The world map's waypoints drawn into a real GL context and read back: the
// symbol each waypoint takes from the sheet.

#include "MapFixture.h"

#include "engine/platform/Settings.h"
#include "engine/render/Font.h"
#include "gui/StringTable.h"
#include "gui/widgets/Tooltip.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <cstdlib>

#include <cmath>

using namespace testing_support;

namespace {

// One colour per half cell of the sheet: the column, the row from the top
// and the half pick it.
std::uint32_t SheetTexel(int x, int y)
{
    const int row = 7 - y / 32;
    const int column = x / 64;
    const int half = (x % 64) / 32;
    const std::uint32_t r = static_cast<std::uint32_t>(40 + 25 * row);
    const std::uint32_t g = static_cast<std::uint32_t>(column * 200 + 30);
    const std::uint32_t b = static_cast<std::uint32_t>(half * 200 + 20);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

Rgb SheetColour(int column, int row, int half)
{
    const std::uint32_t argb = SheetTexel(column * 64 + half * 32 + 5, (7 - row) * 32 + 5);
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
}

class MapDrawingTest : public MapFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("map drawing test"));
        Sprite* sheet = services.AddPicture("#WayPoints", 128, 256);
        std::vector<std::uint32_t> pixels(128 * 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 128; ++x)
                pixels[static_cast<std::size_t>(y) * 128 + x] = SheetTexel(x, y);
        UploadTexture(*sheet, 128, 256, pixels);
    }
    void TearDown() override { _gl.Close(); }

    GlTestContext _gl;
};

} // namespace

TEST_F(MapDrawingTest, EachWaypointTakesItsSymbol)
{
    WriteLevelMap({3, 2});
    MakeMap();
    Player& player = PlayerRecord();
    player.level = 2;
    player.maxLevel = 3;
    // The furthest level pulses; at this time it shows the "current" symbol.
    map->time = 3.14159265f / 12.0f;
    map->DrawWaypoints();
    ExpectAt(100, 100, SheetColour(0, 0, 0));      // reached, first of its country
    ExpectAt(130, 100, SheetColour(1, 0, 1));      // the player's level
    ExpectAt(160, 100, SheetColour(1, 0, 1), 6);   // the furthest, pulsing
    ExpectAt(100, 140, SheetColour(1, 1, 0));      // beyond reach, a first level
    ExpectAt(130, 140, SheetColour(1, 1, 1));      // beyond reach
    EXPECT_EQ(0xFFFFFFFFu, g_renderDevice.CurrentColor());
}

TEST_F(MapDrawingTest, WhileTheFlagSailsTheTargetFadesIn)
{
    WriteLevelMap({3});
    MakeMap();
    Player& player = PlayerRecord();
    player.level = player.maxLevel = 3;
    map->AcceptMessage(Message("EnableFlagMover"));
    map->DrawWaypoints();
    // Alpha 0: the background shows through.
    ExpectAt(160, 100, kBackground);
    ExpectAt(130, 100, SheetColour(0, 0, 1));
    map->flagTargetAlpha = 255;
    map->DrawWaypoints();
    ExpectAt(160, 100, SheetColour(1, 0, 1));
}

TEST_F(MapDrawingTest, TheCountryPathAndTheLightsGlow)
{
    WriteLevelMap({4});
    MakeMap();
    map->countryPath = {Point(300, 300), Point(340, 300), Point(380, 300)};
    map->countryPathAlpha = {255, 0, 255};
    map->DrawCountryPath();
    ExpectAt(300, 300, SheetColour(0, 0, 1));
    ExpectAt(340, 300, kBackground);
    ExpectAt(380, 300, kBackground); // the path's last point is not drawn
    map->lightSlots[1] = 0.5f;
    map->DrawLightGlows();
    const Rgb glow = SheetColour(1, 2, 0);
    const Rgb lit = At(130, 100);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(lit[static_cast<std::size_t>(k)], std::min(255, kBackground[static_cast<std::size_t>(k)] + glow[static_cast<std::size_t>(k)] * 96 / 255), 3);
    ExpectAt(100, 100, kBackground);
}

TEST_F(MapDrawingTest, TheCornerTipsTextShowsFromItsSecondSecondOn)
{
    Sprite* frame = services.AddPicture("#ToolTip_Ramka", 64, 64);
    UploadTexture(*frame, 64, 64, std::vector<std::uint32_t>(64 * 64, 0xFFFFFFFFu));
    g_tooltipFramePicture = nullptr;
    WriteLevelMap({2, 2});
    MakeMap();
    PlayerRecord().maxStage = 2;
    map->AcceptMessage(Message("ShowArtefactTip"));
    // Without a text the box is 30 wide, centred on (230, 505).
    map->tipTime = 1.9f;
    map->DrawArtefactTipText();
    ExpectAt(230, 505, kBackground);
    map->tipTime = 3.0f;
    map->DrawArtefactTipText();
    ExpectAt(230, 505, {255, 255, 255});
    g_tooltipFramePicture = nullptr;
}

TEST_F(MapDrawingTest, TheWaypointTipGrowsToHoldItsWidestLine)
{
    {
        ScopedCurrentDir fonts(std::string(std::getenv("VELMORA_GAME_DIR")) + "/data");
        g_settings.useJpegPairs = false;
        auto font = std::make_unique<Font>("text", 1.0f);
        ASSERT_TRUE(font->IsLoaded());
        g_renderDevice.AddFont(std::move(font));
    }
    const StringTable texts = {{"Country1", "Phoenicia"}, {"NoBonus", "No bonuses left here"}};
    const StringTable* before = g_stringTable;
    g_stringTable = &texts;
    Sprite* frame = services.AddPicture("#ToolTip_Ramka", 64, 64);
    UploadTexture(*frame, 64, 64, std::vector<std::uint32_t>(64 * 64, 0xFFFFFFFFu));
    g_tooltipFramePicture = nullptr;
    WriteLevelMap({2});
    MakeMap();
    map->hoveredStage = 0;
    map->hoveredLevel = 0;
    map->hoverTime = 1.0f;
    map->lastMouse = Point(200, 400);
    map->DrawWaypointTip();
    g_renderDevice.Gl().Flush();
    // The ink (dark, with little blue) lies inside the white box.
    const int x0 = 0, y0 = 320, w = 800, h = 80;
    const auto pixels = g_renderDevice.Gl().ReadPixels(x0, y0, w, h);
    int boxLeft = 800, boxRight = -1, inkLeft = 800, inkRight = -1;
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            const std::size_t i = static_cast<std::size_t>((row * w + column) * 4);
            const int r = pixels[i], g = pixels[i + 1], b = pixels[i + 2];
            if (r > 200 && g > 200 && b > 200) {
                boxLeft = std::min(boxLeft, column);
                boxRight = std::max(boxRight, column);
            }
            if (b < 45 && r < 200 && r > g) {
                inkLeft = std::min(inkLeft, column);
                inkRight = std::max(inkRight, column);
            }
        }
    }
    ASSERT_GE(inkRight, 0);
    EXPECT_GT(inkRight - inkLeft, 120); // the longer line is wider than the least box
    EXPECT_GE(inkLeft, boxLeft + 2);
    EXPECT_LE(inkRight, boxRight - 2);
    g_stringTable = before;
    g_tooltipFramePicture = nullptr;
}
