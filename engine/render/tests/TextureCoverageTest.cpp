// Where a texture's texels show, measured from small pictures.

#include "engine/render/TextureCoverage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A picture from rows of characters, first row first: '.' transparent,
// 'k' opaque black, 'h' half-transparent red, 'o' opaque white, 's' black
// with a little alpha.
std::vector<std::uint8_t> Bgra(const std::vector<std::string>& rows)
{
    std::vector<std::uint8_t> pixels;
    for (const std::string& row : rows)
        for (char c : row) {
            switch (c) {
            case 'k': pixels.insert(pixels.end(), {0, 0, 0, 255}); break;
            case 'h': pixels.insert(pixels.end(), {0, 0, 255, 128}); break;
            case 'o': pixels.insert(pixels.end(), {255, 255, 255, 255}); break;
            case 's': pixels.insert(pixels.end(), {0, 0, 0, 3}); break;
            default: pixels.insert(pixels.end(), {90, 60, 30, 0}); break;
            }
        }
    return pixels;
}

struct Case {
    const char* name;
    std::vector<std::string> rows;
    TexelRect shown;
    TexelRect lit;
    bool opaqueShown;
    bool opaque;
};

} // namespace

TEST(TextureCoverage, RectanglesAndOpacityOfSmallPictures)
{
    const Case cases[] = {
        {"opaque", {"oo", "kk"}, {0, 0, 2, 2}, {0, 0, 2, 1}, true, true},
        {"framed", {"....", ".oh.", ".oo.", "...."}, {1, 1, 3, 3}, {1, 1, 3, 3}, false, false},
        {"opaque inside padding", {"oko.", "ooo.", "...."}, {0, 0, 3, 2}, {0, 0, 3, 2}, true, false},
        {"black frame", {"kkkk", "kook", "kkkk"}, {0, 0, 4, 3}, {1, 1, 3, 2}, true, true},
        {"faint black and colour apart", {"s...", "....", "...h"}, {0, 0, 4, 3}, {3, 2, 4, 3}, false, false},
        {"one texel", {"...", "..o"}, {2, 1, 3, 2}, {2, 1, 3, 2}, true, false},
        {"empty", {"...", "..."}, {}, {}, false, false},
    };
    for (const Case& c : cases) {
        const int w = static_cast<int>(c.rows[0].size()), h = static_cast<int>(c.rows.size());
        const auto pixels = Bgra(c.rows);
        const TextureCoverage coverage = MeasureCoverage(pixels.data(), w, h, true);
        EXPECT_TRUE(coverage.measured) << c.name;
        EXPECT_EQ(coverage.shown.Empty(), c.shown.Empty()) << c.name;
        if (!c.shown.Empty()) {
            EXPECT_TRUE(coverage.shown == c.shown) << c.name;
        }
        EXPECT_EQ(coverage.lit.Empty(), c.lit.Empty()) << c.name;
        if (!c.lit.Empty()) {
            EXPECT_TRUE(coverage.lit == c.lit) << c.name;
        }
        EXPECT_EQ(coverage.opaqueShown, c.opaqueShown) << c.name;
        EXPECT_EQ(coverage.opaque, c.opaque) << c.name;
    }
}

TEST(TextureCoverage, APictureWithoutAlphaIsOpaqueWhateverItsAlphaBytesSay)
{
    const auto pixels = Bgra({"..", ".."});
    const TextureCoverage coverage = MeasureCoverage(pixels.data(), 2, 2, false);
    EXPECT_TRUE(coverage.opaque);
    EXPECT_TRUE(coverage.shown == (TexelRect{0, 0, 2, 2}));
}

TEST(TextureCoverage, NoPixelsMeasureNothing)
{
    EXPECT_FALSE(MeasureCoverage(nullptr, 4, 4, true).measured);
    const auto pixels = Bgra({"o"});
    EXPECT_FALSE(MeasureCoverage(pixels.data(), 0, 1, true).measured);
}
