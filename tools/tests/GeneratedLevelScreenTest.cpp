// The pictures of the level screens as the build draws them: each country's
// backdrop and side panel, and the country ornaments the board lays over
// them, checked where they meet what the board draws.

#include "tools/tests/PngPicture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

PngPicture Load(const std::string& relative)
{
    PngPicture picture;
    const char* dir = std::getenv("VELMORA_GAME_DIR");
    EXPECT_TRUE(ReadPng(std::string(dir ? dir : "") + "/" + relative, picture)) << relative;
    return picture;
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
