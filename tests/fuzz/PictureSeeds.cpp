// Writes small pictures of every layout the decoders read into
// <folder>/png, <folder>/jpeg and <folder>/tga: the pictures the decoders'
// fuzz targets start from.

#include "engine/render/tests/ImageFixtures.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

void Save(const std::filesystem::path& folder, const std::string& name, const std::string& bytes)
{
    std::filesystem::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::uint8_t> Bytes(int count, int stride)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * stride);
    return bytes;
}

void WritePng(const std::filesystem::path& folder)
{
    struct Layout {
        const char* name;
        int colorType;
        int bitDepth;
        int bytesPerPixel; // 0: packed below a byte
        bool interlaced;
    };
    const Layout layouts[] = {
        {"rgb8.png", 2, 8, 3, false},      {"rgba8.png", 6, 8, 4, false}, {"grey8.png", 0, 8, 1, false},
        {"greyalpha8.png", 4, 8, 2, false}, {"rgb16.png", 2, 16, 6, false}, {"rgb8-interlaced.png", 2, 8, 3, true},
    };
    for (const Layout& layout : layouts) {
        fixtures::PngSpec entry;
        entry.width = 5;
        entry.height = 3;
        entry.colorType = layout.colorType;
        entry.bitDepth = layout.bitDepth;
        entry.interlaced = layout.interlaced;
        entry.rows = Bytes(entry.width * entry.height * layout.bytesPerPixel, 17);
        Save(folder, layout.name, fixtures::MakePng(entry));
    }
    fixtures::PngSpec palette;
    palette.width = 4;
    palette.height = 2;
    palette.colorType = 3;
    palette.rows = {0, 1, 2, 3, 3, 2, 1, 0};
    palette.palette = Bytes(12, 21);
    palette.transparency = {0, 128};
    Save(folder, "palette.png", fixtures::MakePng(palette));
}

void WriteJpeg(const std::filesystem::path& folder)
{
    Save(folder, "rgb.jpg", fixtures::MakeJpeg(6, 4, 3, fixtures::GradientRgb(6, 4), 90));
    Save(folder, "grey.jpg", fixtures::MakeJpeg(6, 4, 1, Bytes(24, 10), 90));
}

void WriteTga(const std::filesystem::path& folder)
{
    Save(folder, "bgr24.tga", fixtures::MakeTga(3, 2, 2, 24, Bytes(18, 13)));
    Save(folder, "bgra32-top.tga", fixtures::MakeTga(3, 2, 2, 32, Bytes(24, 11), true));
    Save(folder, "grey8.tga", fixtures::MakeTga(3, 2, 3, 8, Bytes(6, 40)));
    Save(folder, "greyalpha16.tga", fixtures::MakeTga(3, 2, 3, 16, Bytes(12, 20)));
    Save(folder, "bgr24-rle.tga", fixtures::MakeTga(4, 2, 10, 24, std::vector<std::uint8_t>(24, 7)));
    Save(folder, "grey8-rle.tga", fixtures::MakeTga(4, 2, 11, 8, {1, 1, 1, 2, 3, 4, 4, 4}));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    WritePng(folder / "png");
    WriteJpeg(folder / "jpeg");
    WriteTga(folder / "tga");
    return 0;
}
