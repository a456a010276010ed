#include "ImageFixtures.h"
#include "ImageLoadingTest.h"

#include "engine/platform/Settings.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"
#include "engine/render/ImagePrefetch.h"
#include "engine/util/FileSystem.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ostream>

#include <png.h>

using namespace testing_support;

namespace {

// What a load leaves: the record's fields and the pixels in the buffer.
struct Loaded {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;
    bool hasAlpha = false;
    std::vector<unsigned char> pixels;

    bool operator==(const Loaded& other) const
    {
        return width == other.width && height == other.height && bytesPerPixel == other.bytesPerPixel &&
               hasAlpha == other.hasAlpha && pixels == other.pixels;
    }
};

std::ostream& operator<<(std::ostream& out, const Loaded& loaded)
{
    return out << loaded.width << " x " << loaded.height << ", " << loaded.bytesPerPixel << " bytes"
               << (loaded.hasAlpha ? ", alpha" : "") << ", " << loaded.pixels.size() << " pixel bytes";
}

std::string RgbPng(int width, int height, bool interlaced = false)
{
    fixtures::PngSpec layout;
    layout.width = width;
    layout.height = height;
    layout.colorType = PNG_COLOR_TYPE_RGB;
    layout.rows = fixtures::GradientRgb(width, height);
    layout.interlaced = interlaced;
    return fixtures::MakePng(layout);
}

std::string PalettePng()
{
    fixtures::PngSpec layout;
    layout.width = 4;
    layout.height = 3;
    layout.colorType = PNG_COLOR_TYPE_PALETTE;
    layout.rows = {0, 1, 2, 1, 2, 0, 1, 2, 2, 2, 1, 0};
    layout.palette = {255, 0, 0, 0, 255, 0, 0, 0, 255};
    layout.transparency = {0, 128};
    return fixtures::MakePng(layout);
}

std::string GreyPng(int width, int height)
{
    fixtures::PngSpec layout;
    layout.width = width;
    layout.height = height;
    layout.colorType = PNG_COLOR_TYPE_GRAY;
    layout.rows.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < layout.rows.size(); ++i)
        layout.rows[i] = static_cast<std::uint8_t>(i * 37);
    return fixtures::MakePng(layout);
}

class ImagePrefetchTest : public ImageLoadingTest {
protected:
    // Files are named relative to the game folder, which is current.
    void Write(const std::string& file, const std::string& bytes) { WriteTextFile(_game.File(file), bytes); }
    void Remove(const std::string& file) { ASSERT_EQ(std::remove(_game.File(file).c_str()), 0) << file; }

    // Loads the picture by its game-data name over a pixel buffer of junk.
    static Loaded LoadNow(const std::string& name)
    {
        std::memset(g_pixelBuffer, 0x5A, kImageBufferBytes);
        ImageData image;
        image.Load(name);
        Loaded loaded{image.width, image.height, image.bytesPerPixel, image.hasAlpha, {}};
        if (!image.IsEmpty())
            loaded.pixels.assign(g_pixelBuffer, g_pixelBuffer + static_cast<std::size_t>(image.width) * image.height * 4);
        return loaded;
    }

    TempDir _game;
    ScopedCurrentDir _here{_game.Path()};
    ScopedLogFile _log;
};

} // namespace

// The files are removed once the workers are done: what the loads give then
// came from the prefetch, and must be what plain loads gave.
TEST_F(ImagePrefetchTest, PrefetchedPicturesEqualPlainLoads)
{
    g_settings.loadPngImages = true;
    CreateFolder(_game.File("gfx"));
    const struct {
        const char* name; // as the game data names it
        const char* file; // what serves it
        std::string bytes;
    } cases[] = {
        {"rgb.png", "rgb.png", RgbPng(7, 5)},
        {"palette.png", "palette.png", PalettePng()},
        {"grey.png", "grey.png", GreyPng(5, 6)},
        {"interlaced.png", "interlaced.png", RgbPng(9, 6, true)},
        {"gfx\\Logo.tga", "gfx/logo.png", RgbPng(3, 8)},
    };
    std::vector<std::string> names;
    std::vector<Loaded> plain;
    for (const auto& c : cases) {
        Write(c.file, c.bytes);
        names.push_back(c.name);
        plain.push_back(LoadNow(c.name));
        ASSERT_FALSE(plain.back().pixels.empty()) << c.name;
    }
    Write("other.png", RgbPng(6, 2));
    const Loaded other = LoadNow("other.png");

    ImagePrefetch prefetch(names, 2);
    prefetch.Join();
    for (const auto& c : cases)
        Remove(c.file);
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(LoadNow(names[i]), plain[i]) << names[i];
    // A picture not in the list loads from its file.
    EXPECT_EQ(LoadNow("other.png"), other);
    // A picture is served once; a second load reads the file, now gone.
    EXPECT_TRUE(LoadNow("rgb.png").pixels.empty());
}

// Loads asked for at once meet pictures waiting, being decoded and done.
TEST_F(ImagePrefetchTest, LoadsWhileTheWorkersRunGiveWhatPlainLoadsGive)
{
    std::vector<std::string> names;
    std::vector<Loaded> plain;
    for (int i = 0; i < 24; ++i) {
        names.push_back("pic" + std::to_string(i) + ".png");
        Write(names.back(), RgbPng(100 + i, 90 + 2 * i));
        plain.push_back(LoadNow(names.back()));
    }
    for (unsigned workers : {1u, 4u}) {
        SCOPED_TRACE(std::to_string(workers) + " workers");
        ImagePrefetch prefetch(names, workers);
        for (std::size_t i = 0; i < names.size(); ++i)
            EXPECT_EQ(LoadNow(names[i]), plain[i]) << names[i];
    }
}

// A worker that fails says nothing; the load then writes the one line a
// plain load writes.
TEST_F(ImagePrefetchTest, APictureThatFailsInAWorkerIsLoggedOnceByTheLoad)
{
    const std::string good = RgbPng(16, 16);
    Write("notpng.png", "GIF89a and more bytes");
    Write("cut.png", good.substr(0, good.size() / 2));
    Write("head.png", good.substr(0, 20));
    Write("large.png", GreyPng(1025, 1024)); // one row more than the pixel buffer holds
    const struct {
        const char* name;
        const char* line;
    } cases[] = {
        {"gone.png", "Can't load texture gone.png. Error while opening file."},
        {"notpng.png", "Can't load texture notpng.png. Error while opening file."},
        {"cut.png", "Can't load texture cut.png. Error while reading data: "},
        {"head.png", "Can't load texture head.png. Error while reading texture info: "},
        {"large.png", "Can't load texture large.png. The picture is empty or too large."},
    };
    std::vector<std::string> names;
    for (const auto& c : cases)
        names.push_back(c.name);
    for (bool prefetched : {false, true}) {
        ImagePrefetch prefetch(prefetched ? names : std::vector<std::string>(), 2);
        prefetch.Join();
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (prefetched ? " prefetched" : " plain"));
            const std::size_t before = _log.Text().size();
            EXPECT_EQ(LoadNow(c.name), Loaded());
            const std::string log = _log.Text();
            EXPECT_EQ(Occurrences(log, before, "Can't load texture"), 1) << log.substr(before);
            EXPECT_EQ(Occurrences(log, before, c.line), 1) << log.substr(before);
        }
    }
}

// Pairs, JPEG, TGA, masks and names outside the game folder are the
// loader's own: removed after the workers ran, they are simply missing.
TEST_F(ImagePrefetchTest, NamesNotServedByOnePngAreLeftToTheLoader)
{
    CreateFolder(_game.File("game"));
    const struct {
        const char* name;
        bool pairs;
        const char* line;
    } cases[] = {
        {"pic.tga", false, "Can't load texture pic.tga. Error while opening file."},
        {"pic.jpg", false, "Can't load texture pic.jpg. Error while opening file."},
        {"pic.png", true, "Can't load texture pic_base.jpg. Error while opening file."},
        {"pic.msk", false, "Can't load texture pic_base.jpg. Error while opening file."},
        {"..\\out.png", false, "Can't load texture ..\\out.png. Error while opening file."},
    };
    ScopedCurrentDir inner(_game.File("game"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_settings.useJpegPairs = c.pairs;
        // Every file that could serve the name is there while the workers run.
        Write("game/pic.tga", fixtures::MakeTga(2, 2, 2, 32, std::vector<std::uint8_t>(16, 9)));
        Write("game/pic.jpg", fixtures::MakeJpeg(2, 2, 1, {1, 2, 3, 4}));
        Write("game/pic_base.jpg", fixtures::MakeJpeg(2, 2, 1, {1, 2, 3, 4}));
        Write("game/pic_alpha.jpg", fixtures::MakeJpeg(2, 2, 1, {1, 2, 3, 4}));
        Write("game/pic.png", RgbPng(2, 2));
        Write("out.png", RgbPng(2, 2));
        ASSERT_FALSE(LoadNow(c.name).pixels.empty());

        ImagePrefetch prefetch({c.name}, 2);
        prefetch.Join();
        for (const char* file : {"game/pic.tga", "game/pic.jpg", "game/pic_base.jpg", "game/pic_alpha.jpg",
                                 "game/pic.png", "out.png"})
            Remove(file);
        const std::size_t before = _log.Text().size();
        EXPECT_EQ(LoadNow(c.name), Loaded());
        EXPECT_EQ(Occurrences(_log.Text(), before, c.line), 1) << _log.Text().substr(before);
    }
}

// Pictures never asked for are freed when the prefetch ends (the leak check
// of the test run sees any that are not), whether the workers finished or
// were stopped; nothing is served after the end, and an enclosing prefetch
// is asked again.
TEST_F(ImagePrefetchTest, PicturesNotTakenAreFreedAtTheEnd)
{
    std::vector<std::string> names;
    for (int i = 0; i < 16; ++i) {
        names.push_back("pic" + std::to_string(i) + ".png");
        Write(names.back(), RgbPng(200, 150 + i));
    }
    for (bool joined : {false, true}) {
        ImagePrefetch prefetch(names, 4);
        if (joined)
            prefetch.Join();
    }
    Write("outer.png", RgbPng(5, 5));
    const Loaded outer = LoadNow("outer.png");
    {
        ImagePrefetch enclosing({"outer.png"}, 1);
        enclosing.Join();
        {
            ImagePrefetch prefetch(names, 2);
            prefetch.Join();
        }
        Remove(names[0]);
        Remove("outer.png");
        EXPECT_TRUE(LoadNow(names[0]).pixels.empty());
        EXPECT_EQ(LoadNow("outer.png"), outer);
    }
}

TEST_F(ImagePrefetchTest, WorkersFollowTheMachineUpToFourAndNoneOnOneThread)
{
    const unsigned cases[][2] = {{0, 0}, {1, 0}, {2, 2}, {3, 3}, {4, 4}, {16, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(ImagePrefetch::WorkerCount(c[0]), c[1]) << c[0] << " hardware threads";

    // Without workers nothing is held: a removed file is missing.
    Write("pic.png", RgbPng(4, 4));
    ImagePrefetch prefetch({"pic.png"}, 0);
    prefetch.Join();
    Remove("pic.png");
    EXPECT_TRUE(LoadNow("pic.png").pixels.empty());
}
