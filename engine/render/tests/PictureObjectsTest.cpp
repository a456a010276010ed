// Sprites, big textures and shape files without a device: sizes, chunking
// and the vertices they build.

#include "ImageFixtures.h"

#include "engine/platform/Settings.h"
#include "engine/render/BigTexture.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/Sprite.h"
#include "engine/render/VertexBatch.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

class PictureObjectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_settings = Settings();
        g_settings.useJpegPairs = false;
        AllocateImageBuffers();
    }
    void TearDown() override
    {
        g_settings = Settings();
        SetPicturesPaddedToPowerOfTwo(false);
    }

    // A 32-bit TGA whose pixel (x, y) is B = x & 255, G = y & 255, R = 7, A = 255.
    void WritePicture(const std::string& name, int w, int h)
    {
        std::vector<std::uint8_t> pixels;
        pixels.reserve(static_cast<std::size_t>(w) * h * 4);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pixels.insert(pixels.end(), {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7, 255});
        WriteTextFile(_dir.File(name), fixtures::MakeTga(w, h, 2, 32, pixels));
    }

    TempDir _dir;
    ScopedLogFile _log;
};

std::string Le32(std::uint32_t v)
{
    return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                       static_cast<char>(v >> 24)};
}

std::string F32(float f)
{
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    return Le32(v);
}

} // namespace

TEST_F(PictureObjectsTest, SpriteKnowsPictureAndTextureSize)
{
    WritePicture("pic.tga", 100, 60);
    ScopedCurrentDir here(_dir.Path());
    // Textures of any size, and the padding for a GL without them.
    const struct {
        bool padded;
        int textureWidth, textureHeight;
    } cases[] = {{false, 100, 60}, {true, 128, 64}};
    for (const auto& c : cases) {
        SetPicturesPaddedToPowerOfTwo(c.padded);
        Sprite sprite("pic.tga");
        EXPECT_EQ(sprite.imageWidth, 100);
        EXPECT_EQ(sprite.imageHeight, 60);
        EXPECT_EQ(sprite.textureWidth, c.textureWidth) << c.padded;
        EXPECT_EQ(sprite.textureHeight, c.textureHeight) << c.padded;
        EXPECT_EQ(sprite.image.width, c.textureWidth) << c.padded;
        EXPECT_EQ(sprite.image.kind, 1);
        EXPECT_EQ(sprite.GetRect().w, 100);
        EXPECT_FLOAT_EQ(sprite.RightU(), 100.0f / static_cast<float>(c.textureWidth));
        EXPECT_FLOAT_EQ(sprite.TopV(), 60.0f / static_cast<float>(c.textureHeight));

        Sprite info;
        info.LoadInfo("pic.tga");
        EXPECT_EQ(info.imageWidth, 100);
        EXPECT_EQ(info.textureHeight, c.textureHeight) << c.padded;
    }

    Sprite missing("nothing.tga");
    EXPECT_EQ(missing.textureWidth, 0);
    EXPECT_EQ(missing.imageWidth, 0);
}

TEST_F(PictureObjectsTest, BigTextureChunksRowByRowFromTheBottom)
{
    WritePicture("big.tga", 1000, 700);
    ScopedCurrentDir here(_dir.Path());
    SetPicturesPaddedToPowerOfTwo(true);
    BigTexture big("big.tga");
    EXPECT_EQ(big.columns, 4);
    EXPECT_EQ(big.rows, 3);
    ASSERT_EQ(big.chunks.size(), 12u);
    EXPECT_EQ(big.chunks[1].x, 256);
    EXPECT_EQ(big.chunks[1].y, 0);
    EXPECT_EQ(big.chunks[4].x, 0);
    EXPECT_EQ(big.chunks[4].y, 256);
    // Chunk (row 1, column 2), its pixel (3, 5) is picture pixel (515, 261).
    const ImageData& part = big.chunks[6].texture->image;
    ASSERT_TRUE(part.ownsPixels);
    const unsigned char* p = part.pixels + (5 * 256 + 3) * 4;
    EXPECT_EQ(p[0], 515 & 255);
    EXPECT_EQ(p[1], 261 & 255);
    EXPECT_EQ(p[2], 7);
    // Beyond the picture: transparent zero in the right column and top row.
    const unsigned char* right = big.chunks[3].texture->image.pixels + (0 * 256 + 250) * 4;
    EXPECT_EQ(right[3], 0);
    const unsigned char* top = big.chunks[8].texture->image.pixels + (255 * 256 + 0) * 4;
    EXPECT_EQ(top[3], 0);
    big.Release();
    EXPECT_TRUE(big.chunks.empty());

    // With textures of any size, the right column and the top row are as
    // wide and high as the picture leaves them.
    SetPicturesPaddedToPowerOfTwo(false);
    BigTexture exact("big.tga");
    ASSERT_EQ(exact.chunks.size(), 12u);
    EXPECT_EQ(exact.chunks[3].width, 1000 - 768);
    EXPECT_EQ(exact.chunks[3].texture->image.width, 1000 - 768);
    EXPECT_EQ(exact.chunks[3].height, 256);
    EXPECT_EQ(exact.chunks[8].height, 700 - 512);
    EXPECT_EQ(exact.chunks[11].texture->image.height, 700 - 512);
    const ImageData& same = exact.chunks[6].texture->image;
    const unsigned char* q = same.pixels + (5 * 256 + 3) * 4;
    EXPECT_EQ(q[0], 515 & 255);
    EXPECT_EQ(q[1], 261 & 255);
    const ImageData& corner = exact.chunks[11].texture->image;
    const unsigned char* last = corner.pixels + (187 * 232 + 231) * 4;
    EXPECT_EQ(last[0], 999 & 255);
    EXPECT_EQ(last[1], 699 & 255);
    EXPECT_EQ(last[3], 255);
    exact.Release();
}

TEST_F(PictureObjectsTest, ExactBigTextureNeedsNoPaddingAndOversizedCanvasesAreRefused)
{
    WritePicture("square.tga", 512, 512);
    WritePicture("wide.tga", 1100, 900);
    ScopedCurrentDir here(_dir.Path());
    BigTexture square("square.tga");
    EXPECT_EQ(square.chunks.size(), 4u);

    BigTexture wide;
    wide.chunkWidth = 1024;
    wide.chunkHeight = 1024;
    SetPicturesPaddedToPowerOfTwo(true);
    wide.Split("wide.tga"); // 2048 x 1024 canvas: more than the buffer holds
    EXPECT_TRUE(wide.chunks.empty());
    EXPECT_NE(_log.Text().find("does not fit"), std::string::npos);
    // Unpadded, the picture itself fits.
    SetPicturesPaddedToPowerOfTwo(false);
    wide.Split("wide.tga");
    ASSERT_EQ(wide.chunks.size(), 2u);
    EXPECT_EQ(wide.chunks[1].width, 1100 - 1024);
    wide.Release();
}

TEST_F(PictureObjectsTest, ShapeFileBuildsATriangleList)
{
    std::string file(28, '\0');
    file += Le32(4) + Le32(2) + Le32(1) + Le32(1) + Le32(0);
    const float positions[4][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 5}};
    for (const auto& p : positions)
        file += F32(p[0]) + F32(p[1]) + F32(p[2]);
    file += Le32(0) + Le32(1) + Le32(2) + Le32(2) + Le32(1) + Le32(3);
    file += Le32(2) + F32(0.25f) + F32(0.5f) + F32(1.0f) + F32(0.75f);
    file += Le32(0) + Le32(1) + Le32(0) + Le32(1) + Le32(1) + Le32(1);
    file += std::string(72, 'x');
    WriteTextFile(_dir.File("shape.bin"), file);

    ScopedCurrentDir here(_dir.Path());
    VertexBatch batch;
    batch.LoadFromFile("shape.bin");
    EXPECT_EQ(batch.vertexCount, 6u);
    EXPECT_EQ(batch.primitiveCount, 2u);
    ASSERT_EQ(batch.vertices.size(), 6u);
    EXPECT_EQ(batch.triangleExtras.size(), 2u);
    const Vertex& last = batch.vertices[5];
    EXPECT_FLOAT_EQ(last.z, 5.0f);
    EXPECT_FLOAT_EQ(last.u, 1.0f);
    EXPECT_FLOAT_EQ(last.v, 0.75f);
    EXPECT_EQ(last.diffuse, 0xFFFFFFFFu);

    // No triangles, a short file and an index past its table: empty batches.
    std::string empty(28, '\0');
    empty += Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(0);
    WriteTextFile(_dir.File("empty.bin"), empty);
    std::string badIndex(28, '\0');
    badIndex += Le32(1) + Le32(1) + Le32(0) + Le32(0) + Le32(0) + F32(0) + F32(0) + F32(0);
    badIndex += Le32(0) + Le32(0) + Le32(9);
    WriteTextFile(_dir.File("bad.bin"), badIndex);
    for (const char* name : {"empty.bin", "bad.bin", "missing.bin"}) {
        VertexBatch other;
        other.LoadFromFile(name);
        EXPECT_EQ(other.vertexCount, 0u) << name;
    }
    WriteTextFile(_dir.File("short.bin"), file.substr(0, 70));
    VertexBatch shortBatch;
    shortBatch.LoadFromFile("short.bin");
    EXPECT_EQ(shortBatch.vertexCount, 0u);

    VertexBatch quads;
    quads.ResizeQuads(500);
    EXPECT_EQ(quads.vertexCount, 3000u);
}
