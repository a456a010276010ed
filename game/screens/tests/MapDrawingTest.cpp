// The world map's waypoints drawn into a real GL context and read back: the
// symbol each waypoint takes from the sheet.

#include "MapFixture.h"

#include "gui/widgets/Tooltip.h"
#include "tests/support/GlTestContext.h"

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
