// The artefacts the build draws: for each artefact of Artefact.xml, its
// pieces laid at their places make up its whole picture, pixel for pixel,
// and the seven pictures differ.

#include "tests/support/TestEnvironment.h"
#include "tools/tests/PngPicture.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

std::string DataDir()
{
    const char* dir = std::getenv("VELMORA_GAME_DIR");
    return std::string(dir ? dir : "") + "/data/";
}

std::string PicturePath(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return DataDir() + path;
}

TEST(GeneratedArtefacts, PiecesAtTheirPlacesMakeUpTheWholePicture)
{
    TiXmlDocument document;
    ASSERT_TRUE(document.LoadFile((DataDir() + "Artefact.xml").c_str()));
    int artefacts = 0;
    std::vector<std::vector<unsigned char>> pictures;
    for (const TiXmlElement* a = document.RootElement()->FirstChildElement("Artefact"); a;
         a = a->NextSiblingElement("Artefact"), ++artefacts) {
        const std::string path = a->Attribute("path") ? a->Attribute("path") : "";
        PngPicture full;
        ASSERT_TRUE(ReadPng(PicturePath(path + "full.png"), full)) << path;
        ASSERT_EQ(full.width, 256);
        ASSERT_EQ(full.height, 256);
        pictures.push_back(full.rgba);
        std::vector<int> covered(256 * 256, 0);
        int n = 1;
        for (const TiXmlElement* e = a->FirstChildElement("element"); e; e = e->NextSiblingElement("element"), ++n) {
            int x = 0, y = 0, width = 0, height = 0;
            e->QueryIntAttribute("x", &x);
            e->QueryIntAttribute("y", &y);
            e->QueryIntAttribute("width", &width);
            e->QueryIntAttribute("height", &height);
            ASSERT_EQ(width, 64);
            ASSERT_EQ(height, 64);
            ASSERT_TRUE(x >= 0 && y >= 0 && x + 64 <= 256 && y + 64 <= 256) << path << n;
            PngPicture piece;
            ASSERT_TRUE(ReadPng(PicturePath(path + std::to_string(n) + ".png"), piece)) << path << n;
            ASSERT_EQ(piece.width, 64);
            ASSERT_EQ(piece.height, 64);
            // A place's y counts up from the picture's bottom edge, as the
            // screen draws it; the files' rows run down from the top.
            const int top = 256 - 64 - y;
            for (int py = 0; py < 64; ++py)
                for (int px = 0; px < 64; ++px) {
                    ASSERT_TRUE(std::equal(piece.At(px, py), piece.At(px, py) + 4, full.At(x + px, top + py)))
                        << path << n << " at " << px << "," << py;
                    ++covered[static_cast<std::size_t>((top + py) * 256 + x + px)];
                }
        }
        EXPECT_TRUE(std::all_of(covered.begin(), covered.end(), [](int c) { return c == 1; }))
            << path << ": the pieces cover the picture once";
    }
    EXPECT_EQ(artefacts, 7);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i], pictures[j]) << i << " and " << j;
}

} // namespace
