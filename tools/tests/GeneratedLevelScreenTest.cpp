// The pictures of the level screens as the build draws them: each country's
// backdrop and side panel, and the country ornaments the board lays over
// them, checked where they meet what the board draws.

#include "tools/tests/PngPicture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

PngPicture Load(const std::string& relative)
{
    PngPicture picture;
    const char* dir = std::getenv("VELMORA_GAME_DIR");
    EXPECT_TRUE(ReadPng(std::string(dir ? dir : "") + "/" + relative, picture)) << relative;
    return picture;
}

// The mean colour of a region of a picture.
struct Mean {
    double r = 0.0, g = 0.0, b = 0.0;
    double Luma() const { return 0.3 * r + 0.59 * g + 0.11 * b; }
    double DistanceTo(const Mean& o) const { return std::fabs(r - o.r) + std::fabs(g - o.g) + std::fabs(b - o.b); }
};

Mean MeanOf(const PngPicture& p, int left, int top, int right, int bottom)
{
    Mean m;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            m.r += p.At(x, y)[0];
            m.g += p.At(x, y)[1];
            m.b += p.At(x, y)[2];
        }
    const double n = static_cast<double>((right - left) * (bottom - top));
    m.r /= n;
    m.g /= n;
    m.b /= n;
    return m;
}

// How far apart two pictures look in a region: the mean colour distance of
// their blocks, a grid of 6 x 6 over the region.
double BlockDistance(const PngPicture& a, const PngPicture& b, int left, int top, int right, int bottom)
{
    double sum = 0.0;
    const int n = 6;
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            const int x0 = left + (right - left) * i / n, x1 = left + (right - left) * (i + 1) / n;
            const int y0 = top + (bottom - top) * j / n, y1 = top + (bottom - top) * (j + 1) / n;
            sum += MeanOf(a, x0, y0, x1, y1).DistanceTo(MeanOf(b, x0, y0, x1, y1));
        }
    return sum / (n * n);
}

TEST(GeneratedLevelScreens, EachCountryHasItsOwnSceneAndPanelWithADarkPlateUnderTheTitle)
{
    std::vector<PngPicture> countries;
    for (int stage = 1; stage <= 7; ++stage) {
        SCOPED_TRACE(stage);
        countries.push_back(Load("data/textures/board/country" + std::to_string(stage) + ".png"));
        const PngPicture& p = countries.back();
        ASSERT_EQ(p.width, 800);
        ASSERT_EQ(p.height, 600);
        for (std::size_t i = 3; i < p.rgba.size(); i += 4)
            ASSERT_EQ(p.rgba[i], 255) << "opaque";
        // The level's title is drawn in white on the plate at the panel's head.
        EXPECT_LT(MeanOf(p, 24, 20, 256, 62).Luma(), 90.0);
        // The scene is painted, not a flat colour: its rows differ.
        EXPECT_GT(MeanOf(p, 280, 0, 800, 60).DistanceTo(MeanOf(p, 280, 540, 800, 600)), 30.0);
    }
    // No two countries look alike, in their scenes or their panels.
    for (std::size_t a = 0; a < countries.size(); ++a)
        for (std::size_t b = a + 1; b < countries.size(); ++b) {
            SCOPED_TRACE(std::to_string(a + 1) + " and " + std::to_string(b + 1));
            EXPECT_GT(BlockDistance(countries[a], countries[b], 280, 0, 800, 600), 30.0) << "the scenes";
            EXPECT_GT(BlockDistance(countries[a], countries[b], 4, 4, 270, 596), 30.0) << "the panels";
        }
}

TEST(GeneratedLevelScreens, BabylonsBraziersLeaveTheTimeBarsEndsFree)
{
    // The board draws the picture from 24 to 88 points up the screen, row 0
    // at the top; the time bar's frame reaches 30 points up. Rows 56 and
    // below (32 points and lower) stay clear, the braziers stand above.
    const PngPicture torches = Load("data/textures/board/babylon_torches.png");
    ASSERT_EQ(torches.height, 64);
    int lit = 0;
    for (int y = 0; y < torches.height; ++y)
        for (int x = 0; x < torches.width; ++x) {
            if (y >= 56)
                ASSERT_EQ(torches.At(x, y)[3], 0) << x << ", " << y;
            else if (torches.At(x, y)[3] > 200)
                ++lit;
        }
    EXPECT_GT(lit, 400) << "the braziers are there";
    // Under the flames' points (31 and 484 across, 10 down) stand the bowls.
    for (int x : {31, 484})
        EXPECT_EQ(torches.At(x, 16)[3], 255) << x;
}

} // namespace
