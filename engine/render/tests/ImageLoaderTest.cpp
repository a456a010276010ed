#include "ImageFixtures.h"
#include "ImageLoadingTest.h"

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"
#include "engine/util/FileSystem.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include <png.h>

using namespace testing_support;

namespace {

using Bgra = std::array<int, 4>;

class ImageLoaderTest : public ImageLoadingTest {
protected:
    void Write(const std::string& name, const std::string& bytes) { WriteTextFile(_dir.File(name), bytes); }

    // Loads a file of the temporary folder by its game-data name.
    void Load(const std::string& name, ImageData& image)
    {
        ScopedCurrentDir here(_dir.Path());
        image.Load(name);
    }

    static Bgra At(const ImageData& image, int x, int y)
    {
        const unsigned char* p = image.Pixels() + (static_cast<std::size_t>(y) * image.width + x) * 4;
        return {p[0], p[1], p[2], p[3]};
    }

    TempDir _dir;
    ScopedLogFile _log;
};

void ExpectNear(const Bgra& actual, const Bgra& expected, int tolerance)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "channel " << i;
}

// 5 x 3 picture in file order (bottom row first): distinct BGRA values with
// runs of equal pixels so that run-length files hold both packet kinds.
std::vector<std::uint8_t> TgaPixels(int depth)
{
    const int bpp = depth / 8;
    std::vector<std::uint8_t> out;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const std::uint8_t value = static_cast<std::uint8_t>(x < 2 ? 10 * y : 40 * x + y);
            const std::uint8_t all[4] = {value, static_cast<std::uint8_t>(value + 1), static_cast<std::uint8_t>(value + 2),
                                         static_cast<std::uint8_t>(x < 2 ? 200 : 200 + x)};
            out.insert(out.end(), all, all + bpp);
        }
    return out;
}

struct TgaCase {
    int type;
    int depth;
};

} // namespace

TEST_F(ImageLoaderTest, EveryTgaKindDecodesToBgraBottomUp)
{
    const TgaCase cases[] = {{2, 24}, {2, 32}, {10, 24}, {10, 32}, {3, 8}, {11, 8}, {3, 16}, {11, 16}};
    for (const TgaCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type) + " depth " + std::to_string(c.depth));
        const auto pixels = TgaPixels(c.depth);
        Write("pic.tga", fixtures::MakeTga(5, 3, c.type, c.depth, pixels));
        // A colour picture first, so that stale data would show.
        std::memset(g_pixelBuffer, 0x77, 64);
        ImageData image;
        Load("pic.tga", image);
        ASSERT_EQ(image.width, 5);
        ASSERT_EQ(image.height, 3);
        EXPECT_EQ(image.bytesPerPixel, 4);
        EXPECT_TRUE(image.hasAlpha);
        const bool grey = c.type == 3 || c.type == 11;
        const int bpp = c.depth / 8;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                const std::uint8_t* in = &pixels[(y * 5 + x) * bpp];
                Bgra expected;
                if (grey)
                    expected = {in[0], in[0], in[0], bpp == 2 ? in[1] : 255};
                else
                    expected = {in[0], in[1], in[2], bpp == 4 ? in[3] : 255};
                EXPECT_EQ(At(image, x, y), expected) << x << "," << y;
            }
    }
}

TEST_F(ImageLoaderTest, RunLengthTgaEqualsRawAndTopOriginIsTurnedOver)
{
    const auto pixels = TgaPixels(32);
    Write("raw.tga", fixtures::MakeTga(5, 3, 2, 32, pixels));
    Write("rle.tga", fixtures::MakeTga(5, 3, 10, 32, pixels));
    Write("top.tga", fixtures::MakeTga(5, 3, 2, 32, pixels, true));
    const std::string rle = fixtures::MakeTga(5, 3, 10, 32, pixels);
    ASSERT_LT(rle.size(), 18u + 5 * 3 * 4); // runs were packed

    ImageData raw, packed, top;
    Load("raw.tga", raw);
    std::vector<std::uint8_t> rawPixels(g_pixelBuffer, g_pixelBuffer + 5 * 3 * 4);
    Load("rle.tga", packed);
    EXPECT_EQ(std::memcmp(rawPixels.data(), g_pixelBuffer, rawPixels.size()), 0);
    Load("top.tga", top);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(std::memcmp(&rawPixels[y * 20], g_pixelBuffer + (2 - y) * 20, 20), 0) << "row " << y;
}

TEST_F(ImageLoaderTest, RunPastTheLastPixelIsClipped)
{
    // One run packet of 128 pixels for a 2 x 2 picture.
    std::string file = fixtures::MakeTga(2, 2, 10, 32, {});
    file.push_back(static_cast<char>(0xFF));
    file.append("\x01\x02\x03\x04", 4);
    Write("run.tga", file);
    std::memset(g_pixelBuffer + 16, 0xAB, 16);
    ImageData image;
    Load("run.tga", image);
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(At(image, 1, 1), (Bgra{1, 2, 3, 4}));
    EXPECT_EQ(g_pixelBuffer[16], 0xAB); // nothing written beyond the picture
}

TEST_F(ImageLoaderTest, BadTgaFilesAreRejectedWithALogLine)
{
    const auto pixels = TgaPixels(32);
    const std::string good = fixtures::MakeTga(5, 3, 2, 32, pixels);
    const std::string goodRle = fixtures::MakeTga(5, 3, 10, 32, pixels);
    std::string paletted = fixtures::MakeTga(5, 3, 1, 8, std::vector<std::uint8_t>(15, 0));
    std::string unsupportedType = good;
    unsupportedType[2] = 4;
    std::string depth16 = good;
    depth16[16] = 16;
    std::string huge = fixtures::MakeTga(2048, 1024, 2, 32, {});
    const struct {
        const char* what;
        std::string bytes;
        const char* logged;
    } cases[] = {
        {"truncated raw", good.substr(0, good.size() - 7), "truncated"},
        {"truncated rle", goodRle.substr(0, goodRle.size() - 3), "truncated"},
        {"short header", good.substr(0, 10), "too short"},
        {"garbage", std::string("\0\0\x0c", 3) + " garbage that is no picture at all", "Unsupported image type."},
        {"paletted", paletted, "Only 24bit paletted images are supported."},
        {"type 4", unsupportedType, "Unsupported image type."},
        {"16-bit colour", depth16, "Unsupported image depth."},
        {"larger than the buffer", huge, "too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write("bad.tga", c.bytes);
        ImageData image;
        image.width = 9;
        image.height = 9;
        Load("bad.tga", image);
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_NE(_log.Text().find(c.logged), std::string::npos);
    }
}

TEST_F(ImageLoaderTest, JpegComesBottomUpOpaqueAndGreyBecomesColour)
{
    // Top half red, bottom half blue, top row first in the file.
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool top = y < 8;
            rgb.push_back(top ? 255 : 0);
            rgb.push_back(0);
            rgb.push_back(top ? 0 : 255);
        }
    Write("pic.jpg", fixtures::MakeJpeg(16, 16, 3, rgb));
    ImageData image;
    Load("pic.jpg", image);
    ASSERT_EQ(image.width, 16);
    EXPECT_FALSE(image.hasAlpha);
    EXPECT_EQ(image.bytesPerPixel, 4);
    ExpectNear(At(image, 3, 15), {0, 0, 255, 255}, 8); // top row: red
    ExpectNear(At(image, 3, 0), {255, 0, 0, 255}, 8);  // bottom row: blue

    Write("grey.jpg", fixtures::MakeJpeg(8, 8, 1, std::vector<std::uint8_t>(64, 90)));
    ImageData grey;
    Load("grey.jpg", grey);
    ASSERT_EQ(grey.width, 8);
    ExpectNear(At(grey, 4, 4), {90, 90, 90, 255}, 2);
}

TEST_F(ImageLoaderTest, BrokenJpegIsLoggedAndTheProcessGoesOn)
{
    const std::string good = fixtures::MakeJpeg(16, 16, 3, fixtures::GradientRgb(16, 16));
    const std::string cases[] = {good.substr(0, 20), std::string(300, 'x'), std::string()};
    for (const std::string& bytes : cases) {
        Write("bad.jpg", bytes);
        ImageData image;
        image.width = 3;
        image.height = 3;
        Load("bad.jpg", image);
        EXPECT_TRUE(image.IsEmpty());
    }
    EXPECT_NE(_log.Text().find("Can't load texture bad.jpg"), std::string::npos);
}

TEST_F(ImageLoaderTest, JpegPairMergesAlphaAndNamesChooseTheFiles)
{
    g_settings.useJpegPairs = true;
    CreateFolder(_dir.File("gfx"));
    std::vector<std::uint8_t> colour, alpha;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            colour.insert(colour.end(), {0, 200, 0});
            alpha.push_back(x < 4 ? 0 : 255);
        }
    Write("gfx/panel_base.jpg", fixtures::MakeJpeg(8, 8, 3, colour));
    Write("gfx/panel_alpha.jpg", fixtures::MakeJpeg(8, 8, 1, alpha));

    for (const char* name : {"gfx\\panel.tga", "gfx\\panel.png", "GFX\\PANEL.TGA"}) {
        SCOPED_TRACE(name);
        ImageData image;
        Load(name, image);
        ASSERT_EQ(image.width, 8);
        EXPECT_TRUE(image.hasAlpha);
        ExpectNear(At(image, 1, 5), {0, 200, 0, 0}, 8);
        ExpectNear(At(image, 6, 5), {0, 200, 0, 255}, 8);
    }
    // A JPEG name reads the base picture alone.
    ImageData jpeg;
    Load("gfx\\panel.jpg", jpeg);
    ASSERT_EQ(jpeg.width, 8);
    EXPECT_FALSE(jpeg.hasAlpha);

    // Names from the sibling folder are read as they are.
    CreateFolder(_dir.File("game"));
    CreateFolder(_dir.File("fsdata"));
    WriteTextFile(_dir.File("fsdata/splash1.jpg"), fixtures::MakeJpeg(4, 4, 3, fixtures::GradientRgb(4, 4)));
    for (bool png : {false, true}) {
        g_settings.loadPngImages = png; // the PNG switch leaves them alone too
        ImageData splash;
        {
            ScopedCurrentDir inGame(_dir.File("game"));
            splash.Load("..\\fsdata\\splash1.jpg");
        }
        EXPECT_EQ(splash.width, 4) << png;
    }
    g_settings.loadPngImages = false;

    // A pair whose alpha picture has another size is refused.
    Write("gfx/odd_base.jpg", fixtures::MakeJpeg(8, 8, 3, colour));
    Write("gfx/odd_alpha.jpg", fixtures::MakeJpeg(4, 4, 1, std::vector<std::uint8_t>(16, 1)));
    ImageData odd;
    Load("gfx\\odd.tga", odd);
    EXPECT_TRUE(odd.IsEmpty());
    EXPECT_NE(_log.Text().find("size differs"), std::string::npos);
}

TEST_F(ImageLoaderTest, PngSettingReplacesTheExtension)
{
    g_settings.loadPngImages = true;
    CreateFolder(_dir.File("gfx"));
    fixtures::PngSpec layout;
    layout.width = 2;
    layout.height = 1;
    layout.colorType = PNG_COLOR_TYPE_RGB;
    layout.rows = {10, 20, 30, 40, 50, 60};
    Write("gfx/logo.png", fixtures::MakePng(layout));
    ImageData image;
    Load("gfx\\logo.tga", image);
    ASSERT_EQ(image.width, 2);
    EXPECT_EQ(At(image, 0, 0), (Bgra{30, 20, 10, 255}));
    EXPECT_EQ(At(image, 1, 0), (Bgra{60, 50, 40, 255}));
}

TEST_F(ImageLoaderTest, UnknownExtensionsShortNamesAndMissingFiles)
{
    Write("pic.Tga", fixtures::MakeTga(5, 3, 2, 32, TgaPixels(32)));
    for (bool pairs : {false, true}) {
        g_settings.useJpegPairs = pairs;
        // With pairs "tga" has no stem; without, it names a missing file.
        const std::vector<std::string> names = pairs ? std::vector<std::string>{"pic.Tga", "", "a", "tg", "tga", ".tga", "x.bmp"}
                                                     : std::vector<std::string>{"pic.Tga", "", "a", "tg", "x.bmp"};
        for (const std::string& name : names) {
            SCOPED_TRACE(name + (pairs ? " pairs" : ""));
            ImageData image;
            image.width = 7;
            image.height = 5;
            Load(name, image);
            EXPECT_EQ(image.width, 7); // left as it was
            EXPECT_EQ(image.height, 5);
        }
    }
    g_settings.useJpegPairs = false;
    for (const char* name : {"none.tga", "none.jpg", "none.png", "tga"}) {
        ImageData image;
        image.width = 7;
        image.height = 5;
        Load(name, image);
        EXPECT_TRUE(image.IsEmpty()) << name;
    }
}

TEST_F(ImageLoaderTest, PngKindsAllBecomeBgra)
{
    fixtures::PngSpec palette;
    palette.width = 3;
    palette.height = 1;
    palette.colorType = PNG_COLOR_TYPE_PALETTE;
    palette.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    palette.rows = {0, 1, 2};

    fixtures::PngSpec paletteTrns = palette;
    paletteTrns.transparency = {255, 0};

    fixtures::PngSpec grey;
    grey.width = 2;
    grey.height = 1;
    grey.colorType = PNG_COLOR_TYPE_GRAY;
    grey.rows = {30, 220};

    fixtures::PngSpec grey2;
    grey2.width = 4;
    grey2.height = 1;
    grey2.colorType = PNG_COLOR_TYPE_GRAY;
    grey2.bitDepth = 2;
    grey2.rows = {0x1B}; // 0, 1, 2, 3

    fixtures::PngSpec deep;
    deep.width = 1;
    deep.height = 2;
    deep.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    deep.bitDepth = 16;
    deep.rows = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, // top
                 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x00, 0x40, 0x00};

    fixtures::PngSpec interlaced;
    interlaced.width = 9;
    interlaced.height = 9;
    interlaced.colorType = PNG_COLOR_TYPE_RGB;
    interlaced.rows = fixtures::GradientRgb(9, 9);
    interlaced.interlaced = true;
    const std::uint8_t* last = &interlaced.rows[8 * 9 * 3]; // the bottom row

    const struct {
        const char* what;
        fixtures::PngSpec layout;
        std::vector<Bgra> bottomRow;
    } cases[] = {
        {"palette", palette, {{0, 0, 255, 255}, {0, 255, 0, 255}, {255, 0, 0, 255}}},
        {"palette with tRNS", paletteTrns, {{0, 0, 255, 255}, {0, 255, 0, 0}, {255, 0, 0, 255}}},
        {"grey", grey, {{30, 30, 30, 255}, {220, 220, 220, 255}}},
        {"grey 2-bit", grey2, {{0, 0, 0, 255}, {85, 85, 85, 255}, {170, 170, 170, 255}, {255, 255, 255, 255}}},
        {"16-bit RGBA", deep, {{0x80, 0x00, 0xFF, 0x40}}},
        {"interlaced", interlaced, {{last[2], last[1], last[0], 255}, {last[5], last[4], last[3], 255}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write("pic.png", fixtures::MakePng(c.layout));
        ImageData image;
        Load("pic.png", image);
        ASSERT_EQ(image.width, c.layout.width);
        ASSERT_EQ(image.height, c.layout.height);
        EXPECT_EQ(image.bytesPerPixel, 4);
        EXPECT_TRUE(image.hasAlpha);
        for (std::size_t x = 0; x < c.bottomRow.size(); ++x)
            ExpectNear(At(image, static_cast<int>(x), 0), c.bottomRow[x], 1);
    }
    // The top row of the 16-bit picture is the last row in memory.
    Write("pic.png", fixtures::MakePng(deep));
    ImageData image;
    Load("pic.png", image);
    ExpectNear(At(image, 0, 1), {0x9A, 0x56, 0x12, 0xDE}, 1);
}

TEST_F(ImageLoaderTest, APictureThatGivesNothingLeavesOneLineWithItsName)
{
    Write("broken.png", "GIF89a and more bytes");
    const struct {
        const char* name;
        bool pngSwitch;
        bool pairs;
        const char* line;
    } cases[] = {
        {"gone.tga", false, false, "Can't load texture gone.tga. Error while opening file."},
        {"gone.jpg", false, false, "Can't load texture gone.jpg. Error while opening file."},
        {"gone.png", false, false, "Can't load texture gone.png. Error while opening file."},
        {"gone.tga", true, false, "Can't load texture gone.tga. Error while opening file gone.png."},
        {"gone.tga", false, true, "Can't load texture gone_base.jpg. Error while opening file."},
        {"gone.msk", false, false, "Can't load texture gone_base.jpg. Error while opening file."},
        {"gone.bmp", false, false, "Can't load texture gone.bmp. The name is not that of a picture file."},
        {"gone.bmp", false, true, "Can't load texture gone.bmp. The name is not that of a picture file."},
        {"broken.png", false, false, "Can't load texture broken.png. Error while opening file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.pngSwitch ? " png" : "") + (c.pairs ? " pairs" : ""));
        g_settings.loadPngImages = c.pngSwitch;
        g_settings.useJpegPairs = c.pairs;
        const std::size_t before = _log.Text().size();
        ImageData image;
        Load(c.name, image);
        EXPECT_TRUE(image.IsEmpty());
        const std::string log = _log.Text();
        EXPECT_EQ(Occurrences(log, before, "Can't load texture"), 1) << log.substr(before);
        EXPECT_EQ(Occurrences(log, before, c.line), 1) << log.substr(before);
    }
}

TEST_F(ImageLoaderTest, AHeaderAloneSaysNothingOfAMissingFile)
{
    for (bool pairs : {false, true}) {
        g_settings.useJpegPairs = pairs;
        for (const char* name : {"gone.tga", "gone.jpg", "gone.png"}) {
            SCOPED_TRACE(std::string(name) + (pairs ? " pairs" : ""));
            const std::size_t before = _log.Text().size();
            ImageData image;
            ImageLoadRequest request{&image, name};
            {
                ScopedCurrentDir here(_dir.Path());
                ReadImageInfo(request);
            }
            EXPECT_TRUE(image.IsEmpty());
            EXPECT_EQ(_log.Text().size(), before);
        }
    }
}

TEST_F(ImageLoaderTest, BrokenPngIsLoggedAndEmpty)
{
    fixtures::PngSpec layout;
    layout.width = 16;
    layout.height = 16;
    layout.colorType = PNG_COLOR_TYPE_RGB;
    layout.rows = fixtures::GradientRgb(16, 16);
    const std::string good = fixtures::MakePng(layout);
    std::string corrupt = good;
    for (std::size_t i = 60; i < corrupt.size() - 12; ++i)
        corrupt[i] = static_cast<char>(i * 7);
    const struct {
        const char* what;
        std::string bytes;
        const char* logged;
    } cases[] = {
        {"not a png", "GIF89a and more bytes", "Error while opening file."},
        {"truncated", good.substr(0, good.size() / 2), "Can't load texture pic.png"},
        {"header only", good.substr(0, 20), "Can't load texture pic.png"},
        {"garbled data", corrupt, "Can't load texture pic.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Write("pic.png", c.bytes);
        ImageData image;
        Load("pic.png", image);
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_NE(_log.Text().find(c.logged), std::string::npos);
    }
}

TEST_F(ImageLoaderTest, PaddingPutsThePictureBottomLeftOnZero)
{
    std::vector<std::uint8_t> pixels(300 * 200 * 4, 0xCC);
    Write("pic.tga", fixtures::MakeTga(300, 200, 2, 32, pixels));
    ImageData image;
    Load("pic.tga", image);
    std::memset(g_pixelBuffer + 300 * 200 * 4, 0x55, 1000); // stale bytes beyond the picture
    PadImageToPowerOfTwo(image);
    EXPECT_EQ(image.width, 512);
    EXPECT_EQ(image.height, 256);
    EXPECT_EQ(At(image, 0, 0), (Bgra{0xCC, 0xCC, 0xCC, 0xCC}));
    EXPECT_EQ(At(image, 299, 199), (Bgra{0xCC, 0xCC, 0xCC, 0xCC}));
    EXPECT_EQ(At(image, 300, 0), (Bgra{0, 0, 0, 0}));
    EXPECT_EQ(At(image, 0, 200), (Bgra{0, 0, 0, 0}));
    EXPECT_EQ(At(image, 511, 255), (Bgra{0, 0, 0, 0}));

    EXPECT_EQ(PaddedImageSize(3), 4);
    EXPECT_EQ(PaddedImageSize(5), 8);
    EXPECT_EQ(PaddedImageSize(4096), 4096);
    EXPECT_EQ(PaddedImageSize(4097), 0);
}

TEST_F(ImageLoaderTest, PaddingThatWouldOverflowTheBufferIsRefused)
{
    ImageData image;
    image.width = 1100;
    image.height = 900; // fits, but 2048 x 1024 does not
    image.bytesPerPixel = 4;
    PadImageToPowerOfTwo(image);
    EXPECT_TRUE(image.IsEmpty());
    EXPECT_NE(_log.Text().find("does not fit"), std::string::npos);
}

TEST_F(ImageLoaderTest, MaskOwnsItsPaddedPixelsAndMergesIntoAlpha)
{
    // 6 x 5 grey mask: value 10 * x + y.
    std::vector<std::uint8_t> grey;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            grey.push_back(static_cast<std::uint8_t>(10 * x + y));
    Write("mask.tga", fixtures::MakeTga(6, 5, 3, 8, grey));
    ImageData mask;
    {
        ScopedCurrentDir here(_dir.Path());
        LoadMaskImage("mask.tga", mask);
    }
    ASSERT_TRUE(mask.ownsPixels);
    ASSERT_NE(mask.pixels, nullptr);
    EXPECT_EQ(mask.width, 8);
    EXPECT_EQ(mask.height, 8);

    // Another picture takes the pixel buffer: 10 x 4, so one column and
    // more lie beyond the mask's picture and its padding.
    Write("pic.tga", fixtures::MakeTga(10, 4, 2, 32, std::vector<std::uint8_t>(10 * 4 * 4, 0x99)));
    ImageData image;
    Load("pic.tga", image);
    MergeAlphaMask(mask, image);
    EXPECT_TRUE(image.hasAlpha);
    EXPECT_EQ(At(image, 3, 2), (Bgra{0x99, 0x99, 0x99, 32}));
    EXPECT_EQ(At(image, 5, 3), (Bgra{0x99, 0x99, 0x99, 53}));
    EXPECT_EQ(At(image, 6, 0)[3], 0); // padding of the mask
    EXPECT_EQ(At(image, 9, 3)[3], 0); // beyond the mask
    FreeImageBuffer(mask);
    EXPECT_EQ(mask.pixels, nullptr);
}

TEST_F(ImageLoaderTest, HeaderOnlyGivesTheSize)
{
    Write("pic.tga", fixtures::MakeTga(5, 3, 2, 32, TgaPixels(32)));
    std::memset(g_pixelBuffer, 0x42, 16);
    ImageData image;
    ImageLoadRequest request{&image, "pic.tga"};
    {
        ScopedCurrentDir here(_dir.Path());
        ReadImageInfo(request);
    }
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.height, 3);
    EXPECT_EQ(g_pixelBuffer[0], 0x42);
}
