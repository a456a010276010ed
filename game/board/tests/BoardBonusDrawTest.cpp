// The bonuses' and the sun's effects drawn into a real GL context: shards
// cut from the generated shard sheet, a bolt between two points, the sun's
// rays and a hint frame, each where it belongs and leaving normal blending
// and opaque white behind.

#include "GlPlayFixture.h"

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/board/effects/ChipSunEnergy.h"
#include "game/board/effects/ComboText.h"
#include "game/board/effects/Flash.h"
#include "game/board/effects/LevelContourLighting.h"
#include "game/board/effects/LevelLighting.h"
#include "game/board/effects/ScoreLevitation.h"
#include "game/board/effects/SunRing.h"
#include "game/board/effects/KillerSun.h"
#include "game/board/effects/SimpleFrame.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <set>
#include <utility>

using namespace testing_support;

namespace {

class BoardBonusDrawTest : public GlPlayTest {
protected:
    BoardBonusDrawTest() : GlPlayTest("board bonuses") {}
    void TearDown() override
    {
        _shards.reset();
        GlPlayTest::TearDown();
    }

    // The sum of the three channels.
    static int Brightness(int x, int y)
    {
        const Rgb p = At(x, y);
        return p[0] + p[1] + p[2];
    }

    void ExpectDrawStateRestored(const char* what)
    {
        EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu) << what;
    }

    OwnedSprite _shards;
};

TEST_F(BoardBonusDrawTest, ShardsShowTheirColourFromTheGeneratedSheet)
{
    {
        ScopedCurrentDir inData(std::string(std::getenv("VELMORA_GAME_DIR")) + "/data");
        const bool pairs = g_settings.useJpegPairs;
        g_settings.useJpegPairs = false;
        _shards = LoadSpriteFile("textures\\effects\\chip_shards.png");
        g_settings.useJpegPairs = pairs;
    }
    ASSERT_TRUE(_shards);
    GameField& board = MakeLiveBoard({{0}}); // colour 0: the red row
    board._piecesTexture = _shards.get();
    SquareDestroyerShatter shatter(board.FindSquare(0, 0), &board, 0, 0);
    ASSERT_EQ(shatter._shards.size(), 8u);
    shatter.Draw();
    int reddish = 0;
    for (const SquareDestroyerShatter::Shard& shard : shatter._shards) {
        const Rgb p = At(static_cast<int>(shard.x) + 10, static_cast<int>(shard.y) + 10);
        if (p[0] > p[1] + 40 && p[0] > p[2] + 40)
            ++reddish;
    }
    EXPECT_GE(reddish, 6); // the middle of nearly every shard
    ExpectDrawStateRestored("shards");
    SaveScreenPicture(TestPicturePath("_shards"));
}

TEST_F(BoardBonusDrawTest, ABoltLightsTheLineBetweenItsPointsAndABoltOfNoLengthOnlyItsBalls)
{
    GameField& board = MakeLiveBoard({{0}});
    Flash bolt(100, 100, 500, 400, 1.0f, &board);
    bolt._bolt = &_white;
    bolt._ball = &_white;
    bolt.Draw();
    // Along the line the picture is added to the background; beside it not.
    for (float f : {0.25f, 0.5f, 0.75f}) {
        const int x = 100 + static_cast<int>(400.0f * f);
        const int y = 100 + static_cast<int>(300.0f * f);
        EXPECT_GT(Brightness(x, y), 3 * kBackground[0] + 150) << f;
        EXPECT_EQ(At(x + 60, y - 60), kBackground) << f;
    }
    ExpectDrawStateRestored("bolt");
    SaveScreenPicture(TestPicturePath("_bolt"));

    Flash still(650, 300, 650, 300, 1.0f, &board);
    still._bolt = &_white;
    still._ball = &_white;
    still.Draw();
    EXPECT_GT(Brightness(650, 300), 3 * kBackground[0] + 150); // its ball
    EXPECT_EQ(At(650 + 20, 300), kBackground);                 // a ball of 1 point, no bolt
    ExpectDrawStateRestored("still");
}

TEST_F(BoardBonusDrawTest, TheSunsRaysRunFromTheSunAndTheirHeadsShine)
{
    GameField& board = MakeLiveBoard({{0, 1}, {2, 3}});
    KillerSun strike({Point(1, 1)}, &board);
    strike._ball = &_white;
    strike._energy = &_white;
    strike._energy2 = &_white;
    KillerSun::Ray& ray = strike._rays.front();
    ray.delay = 0.0f;
    ray.progress = 0.3f;
    ray.strip.SetProgress(0.3f);
    strike.Draw();
    const RayHeadPoint head = ray.strip.GetHeadPoint();
    EXPECT_GT(Brightness(static_cast<int>(head.x), static_cast<int>(head.y)), 3 * kBackground[0] + 150);
    ExpectDrawStateRestored("rays");
    SaveScreenPicture(TestPicturePath("_rays"));
}

TEST_F(BoardBonusDrawTest, AHintFrameSparklesOnItsEdgesAndNotInItsMiddle)
{
    GameField& board = MakeLiveBoard({{0}});
    SimpleFrame frame(300, 200, 88, 48, Color(255, 255, 255, 255), &board, 10.0f);
    frame._piece = &_white;
    frame.Draw();
    int lit = 0;
    for (int x = 300; x < 388; ++x)
        for (int y : {199, 200, 201})
            lit += Brightness(x, y) > 3 * kBackground[0] + 60 ? 1 : 0;
    EXPECT_GT(lit, 40);
    EXPECT_EQ(At(344, 224), kBackground);
    const Rgb edge = At(344, 200);
    static_cast<void>(edge);
    ExpectDrawStateRestored("frame");
}

TEST_F(BoardBonusDrawTest, EveryTextRingAndTrainLeavesNormalBlendingAndOpaqueWhite)
{
    GameField& board = MakeLiveBoard({{0x10, 1, 2, 3}});
    board._scopeTexture1 = &_white;
    board._sunScale = 1.0f;
    ScoreLevitation score("+40", Point(400, 300), &board, 3, false);
    score._time = 0.5f;
    score.Draw();
    ExpectDrawStateRestored("score");

    ComboText combo("", Point(400, 300), &board, &_white, 256, 64);
    combo._time = 0.5f;
    combo.Draw();
    EXPECT_GT(Brightness(400, 300), 3 * kBackground[0] + 150);
    ExpectDrawStateRestored("combo");

    ChipSunEnergy flight({Point(0, 0), Point(1, 0)}, &board);
    flight._ball = &_white;
    flight.Update(0.0f);
    flight.Draw();
    ExpectDrawStateRestored("flight");

    SunRing ring(&board, 0.2f, Color(0, 200, 100, 255), 0.5f);
    for (Sprite*& picture : ring._rings)
        picture = &_white;
    ring._time = 0.1f;
    ring.Draw();
    ExpectDrawStateRestored("ring");

    LevelLighting train(20, 2.0f, 1.0f, {Point(100, 500), Point(700, 500)}, 3, &board, Rect(0, 0, 800, 600), false,
                        1.0f, false);
    train.Update(0.5f);
    train.Draw();
    ExpectDrawStateRestored("train");

    LevelContourLighting contour(0.5f, &board);
    contour.Draw();
    ExpectDrawStateRestored("contour");
}

TEST_F(BoardBonusDrawTest, TheLightOverTheFrameLiesOnTheFramesOwnPieces)
{
    // A frame texture whose three piece cells (from the right edge) each
    // hold a marker in their lower left quarter: red, green, blue by type.
    constexpr int kSide = 32;
    std::vector<std::uint32_t> texels(kSide * kSide, 0x00000000u);
    const std::uint32_t markers[3] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
    for (int type = 0; type < 3; ++type)
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                texels[static_cast<std::size_t>(y * kSide + kSide - 10 * (type + 1) + x)] = markers[type];
    Sprite frame;
    UploadTexture(frame, kSide, kSide, texels);

    // A shape with straight edges, outer and inner corners in all turns.
    GameField& board = MakeLaidOutBoard({{0, 0, 0, kHole}, {0, kHole, 0, 0}, {0, 0, 0, kHole}, {kHole, 0, kHole, 0}});
    board.SetOrigin(300, 200);
    board.BuildBoardFrame();
    board._frameTexture = &frame;
    for (FramePiece& piece : board._framePieces)
        piece.alpha = 255;

    auto clear = [] {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(0x3C, 0x3C, 0x3C, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.ResetColor();
        g_renderDevice.EnableTexture(true);
    };
    // The quarter of a piece that shows a marker, and the marker's channel.
    auto marked = [](int left, int bottom) {
        std::pair<int, int> found{-1, -1};
        for (int q = 0; q < 4; ++q) {
            const Rgb p = At(left + 10 + 20 * (q % 2), bottom + 10 + 20 * (q / 2));
            for (int c = 0; c < 3; ++c)
                if (p[static_cast<std::size_t>(c)] > 150)
                    found = {q, c};
        }
        return found;
    };

    std::set<std::pair<int, int>> kinds;
    for (const FramePiece& piece : board._framePieces) {
        const int left = 300 + static_cast<int>(piece.x);
        const int bottom = 200 + static_cast<int>(piece.y);
        kinds.insert({piece.type, piece.rotation});
        clear();
        board.DrawBoardFrame();
        const std::pair<int, int> framed = marked(left, bottom);
        ASSERT_NE(framed.first, -1) << "type " << piece.type << " turn " << piece.rotation;

        // The light's band through this piece's middle.
        clear();
        LevelContourLighting light(0.5f, &board);
        light._dx = 1;
        light._dy = 1;
        light._time = (static_cast<float>(left + bottom + 40) + 1500.0f) / 3000.0f;
        light.Draw();
        EXPECT_EQ(marked(left, bottom), framed) << "type " << piece.type << " turn " << piece.rotation;
    }
    // The shape holds every piece type turned by an odd quarter and by an
    // even one.
    for (int type = 0; type < 3; ++type) {
        EXPECT_TRUE(kinds.count({type, 0}) + kinds.count({type, 2}) > 0) << type;
        EXPECT_TRUE(kinds.count({type, 1}) + kinds.count({type, 3}) > 0) << type;
    }
}

} // namespace
