// The drawing library's primitives on small canvases: fills, gradients,
// anti-aliased edges composited over what lies below, strokes, shadows,
// noise and the writers.

#include "tools/artgen/Canvas.h"
#include "tools/artgen/TitleLetterer.h"
#include "tools/artgen/TgaWriter.h"
#include "tools/artgen/ValueNoise.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

void ExpectColour(const Colour& actual, const Colour& expected, float tolerance, const std::string& where)
{
    EXPECT_NEAR(actual.r, expected.r, tolerance) << where;
    EXPECT_NEAR(actual.g, expected.g, tolerance) << where;
    EXPECT_NEAR(actual.b, expected.b, tolerance) << where;
    EXPECT_NEAR(actual.a, expected.a, tolerance) << where;
}

struct PixelCase {
    const char* name;
    std::function<void(Canvas&)> draw; // on a 16 x 16 transparent canvas
    int x, y;
    Colour expected;
    float tolerance;
};

const Colour kRed{1, 0, 0, 1}, kBlue{0, 0, 1, 1}, kWhite{1, 1, 1, 1}, kClear{0, 0, 0, 0};

} // namespace

TEST(Canvas, DrawsTheExpectedPixels)
{
    const PixelCase cases[] = {
        {"fill covers every pixel", [](Canvas& c) { c.FillAll(Solid(kRed)); }, 15, 15, kRed, 0.0f},
        {"gradient starts with its first colour",
         [](Canvas& c) { c.FillAll(LinearGradient({0.5f, 0}, kRed, {15.5f, 0}, kBlue)); }, 0, 7, kRed, 0.001f},
        {"gradient ends with its last colour",
         [](Canvas& c) { c.FillAll(LinearGradient({0.5f, 0}, kRed, {15.5f, 0}, kBlue)); }, 15, 7, kBlue, 0.001f},
        {"gradient is halfway in the middle",
         [](Canvas& c) { c.FillAll(LinearGradient({0.5f, 0}, kRed, {16.5f, 0}, kBlue)); }, 8, 3, Colour{0.5f, 0, 0.5f, 1}, 0.001f},
        {"radial gradient is its first colour at the centre",
         [](Canvas& c) { c.FillAll(RadialGradient({8.5f, 8.5f}, 8.0f, {{0.0f, kWhite}, {1.0f, kBlue}})); }, 8, 8, kWhite, 0.001f},
        {"inside a shape is fully covered", [](Canvas& c) { c.Fill(*Circle({8, 8}, 5), Solid(kRed)); }, 8, 8, kRed, 0.0f},
        {"outside a shape is untouched", [](Canvas& c) { c.Fill(*Circle({8, 8}, 5), Solid(kRed)); }, 1, 1, kClear, 0.0f},
        // The edge runs through the pixel's centre: half coverage.
        {"an edge on clear ground has half alpha",
         [](Canvas& c) { c.Fill(*RoundedRect({0, 0, 8.5f, 16}, 0), Solid(kRed)); }, 8, 5, Colour{1, 0, 0, 0.5f}, 0.01f},
        {"an edge over opaque ground mixes the colours",
         [](Canvas& c) {
             c.Clear(kBlue);
             c.Fill(*RoundedRect({0, 0, 8.5f, 16}, 0), Solid(kRed));
         },
         8, 5, Colour{0.5f, 0, 0.5f, 1}, 0.01f},
        {"a translucent colour over opaque ground",
         [](Canvas& c) {
             c.Clear(kBlue);
             c.Fill(*RoundedRect({0, 0, 16, 16}, 0), Solid(Colour{1, 0, 0, 0.25f}));
         },
         3, 3, Colour{0.25f, 0, 0.75f, 1}, 0.001f},
        {"a translucent colour over translucent ground",
         [](Canvas& c) {
             c.Clear(Colour{0, 0, 1, 0.5f});
             c.Fill(*RoundedRect({0, 0, 16, 16}, 0), Solid(Colour{1, 0, 0, 0.5f}));
         },
         3, 3, Colour{2.0f / 3.0f, 0, 1.0f / 3.0f, 0.75f}, 0.001f},
        {"a stroke lies on the edge", [](Canvas& c) { c.Stroke(*RoundedRect({4, 4, 12, 12}, 0), 2.0f, Solid(kRed)); }, 4, 8, kRed, 0.0f},
        {"a stroke leaves the middle", [](Canvas& c) { c.Stroke(*RoundedRect({2, 2, 14, 14}, 0), 2.0f, Solid(kRed)); }, 8, 8, kClear, 0.0f},
        {"a shadow is solid far inside",
         [](Canvas& c) { c.Shadow(*Circle({8, 8}, 6), {1, 1}, 2.0f, Colour{0, 0, 0, 0.5f}); }, 9, 9, Colour{0, 0, 0, 0.5f}, 0.001f},
        {"a shadow is half strength on the moved edge",
         [](Canvas& c) { c.Shadow(*RoundedRect({0, 0, 8.5f, 16}, 0), {2, 0}, 2.0f, Colour{0, 0, 0, 1}); }, 10, 5, Colour{0, 0, 0, 0.5f}, 0.01f},
        {"subtracting a shape leaves a hole",
         [](Canvas& c) { c.Fill(*Subtract(Circle({8, 8}, 7), Circle({8, 8}, 3)), Solid(kRed)); }, 8, 8, kClear, 0.0f},
        {"a raised bevel lights the upper-left rim",
         [](Canvas& c) {
             c.Clear(Colour{0.5f, 0.5f, 0.5f, 1});
             c.Bevel(*RoundedRect({2, 2, 14, 14}, 0), 3.0f, 0.8f);
         },
         2, 2, Colour{0.83f, 0.81f, 0.75f, 1}, 0.03f},
        {"a raised bevel darkens the lower-right rim",
         [](Canvas& c) {
             c.Clear(Colour{0.5f, 0.5f, 0.5f, 1});
             c.Bevel(*RoundedRect({2, 2, 14, 14}, 0), 3.0f, 0.8f);
         },
         13, 13, Colour{0.22f, 0.2f, 0.17f, 1}, 0.03f},
        {"a bevel leaves the middle",
         [](Canvas& c) {
             c.Clear(Colour{0.5f, 0.5f, 0.5f, 1});
             c.Bevel(*RoundedRect({2, 2, 14, 14}, 0), 3.0f, 0.8f);
         },
         8, 8, Colour{0.5f, 0.5f, 0.5f, 1}, 0.0f},
    };
    for (const PixelCase& c : cases) {
        Canvas canvas(16, 16);
        c.draw(canvas);
        ExpectColour(canvas.At(c.x, c.y), c.expected, c.tolerance, c.name);
    }
}

TEST(Canvas, BytesAreRoundedRgbaRowsFromTheTop)
{
    Canvas canvas(2, 2);
    canvas.Set(1, 0, Colour{1, 0.5f, 0, 0.2f});
    const std::vector<std::uint8_t> bytes = canvas.ToRgba8();
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_EQ(bytes[4], 255);
    EXPECT_EQ(bytes[5], 128);
    EXPECT_EQ(bytes[6], 0);
    EXPECT_EQ(bytes[7], 51);
    EXPECT_EQ(bytes[15], 0);
}

TEST(ValueNoise, IsRepeatableAndTilesWithAPeriod)
{
    const ValueNoise a(5, 4), b(5, 4), other(6, 4);
    int differ = 0;
    for (float x = 0.0f; x < 4.0f; x += 0.37f)
        for (float y = 0.0f; y < 4.0f; y += 0.41f) {
            EXPECT_EQ(a.Fractal(x, y, 3), b.Fractal(x, y, 3));
            EXPECT_NEAR(a.Fractal(x, y, 3), a.Fractal(x + 4.0f, y - 8.0f, 3), 1e-5f);
            const float v = a.Fractal(x, y, 3);
            EXPECT_GE(v, 0.0f);
            EXPECT_LE(v, 1.0f);
            differ += a.At(x, y) != other.At(x, y);
        }
    EXPECT_GT(differ, 50);
}

TEST(Mask, BlurKeepsTheInkAndWideningGrows)
{
    Mask mask(21, 21);
    mask.Set(10, 10, 1.0f);
    const Mask blurred = mask.Blurred(2);
    float sum = 0.0f;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            sum += blurred.At(x, y);
    EXPECT_NEAR(sum, 1.0f, 1e-4f);
    EXPECT_GT(blurred.At(10, 10), blurred.At(12, 10));
    const Mask wide = mask.Dilated(2);
    EXPECT_EQ(wide.At(12, 10), 1.0f);
    EXPECT_EQ(wide.At(13, 10), 0.0f);
}

TEST(TitleLetterer, LettersHaveInkAndAMissingFaceIsReported)
{
    TitleLetterer painter(std::string(VELMORA_FACE_DIR) + "/DejaVuSerif.ttf");
    ASSERT_TRUE(painter.IsOpen()) << painter.Error();
    const Mask one = painter.Render("I", 20);
    const Mask two = painter.Render("II", 20);
    EXPECT_GT(two.Width(), one.Width());
    EXPECT_GE(one.Height(), 20);
    float ink = 0.0f;
    for (int y = 0; y < one.Height(); ++y)
        for (int x = 0; x < one.Width(); ++x)
            ink += one.At(x, y);
    EXPECT_GT(ink, 20.0f);

    TitleLetterer missing("/no/such/face.ttf");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_NE(missing.Error().find("/no/such/face.ttf"), std::string::npos);
    EXPECT_EQ(missing.Render("I", 20).Width(), 0);
}

TEST(TgaWriter, WritesBottomUpBgraWithAnAlphaDescriptor)
{
    testing_support::TempDir dir;
    // 2 x 2: top row red, green; bottom row blue, half-transparent white.
    const std::vector<std::uint8_t> rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 128};
    ASSERT_TRUE(WriteRgbaTga(dir.File("a.tga"), 2, 2, rgba));
    const std::string file = testing_support::ReadTextFile(dir.File("a.tga"));
    ASSERT_EQ(file.size(), 18u + 16u);
    EXPECT_EQ(file[2], 2);
    EXPECT_EQ(file[12], 2);
    EXPECT_EQ(file[14], 2);
    EXPECT_EQ(file[16], 32);
    EXPECT_EQ(file[17], 8);
    const std::string expected("\xFF\x00\x00\xFF\xFF\xFF\xFF\x80\x00\x00\xFF\xFF\x00\xFF\x00\xFF", 16);
    EXPECT_EQ(file.substr(18), expected);
    EXPECT_FALSE(WriteRgbaTga(dir.File("b.tga"), 3, 2, rgba));
    EXPECT_FALSE(WriteRgbaTga(dir.File("no/such/folder.tga"), 2, 2, rgba));
}
