// The charged sun's shine: the ring of ten points about the sun, the
// sparkle's point drawn first, the beams' chain, the "SunWonder" sample over
// the counts of points the beams reach, and the rays sent to the sun.

#include "PlayFixture.h"

#include "engine/util/Random.h"

#include <cmath>

namespace {

class BoardSunWonderTest : public PlayTest {
protected:
    GameField& MakeSunBoard()
    {
        GameField& board = MakeLiveBoard({{0, 1}, {2, 3}});
        board._sunPosition = Point(24, 350);
        board._sunScale = 1.1f;
        board._sunComplete = true;
        return board;
    }
};

TEST_F(BoardSunWonderTest, TenPointsCircleTheSunAndTheSparkleTakesTheFirstNumberDrawn)
{
    GameField& board = MakeSunBoard();
    for (float clock : {0.0f, 12.5f, 179.9f, 181.0f}) {
        board._effectClock = clock;
        SeedRandom(11);
        const int first = RandomInt();
        SeedRandom(11);
        const GameField::SunWonderFrame frame = board.PlanSunWonder();
        for (int i = 0; i < 10; ++i)
            EXPECT_NEAR(std::hypot(frame.pointX[i] - 74.0f, frame.pointY[i] - 400.0f), 45.0f * 1.1f, 0.01f)
                << "clock " << clock << ", point " << i;
        EXPECT_EQ(frame.sparkPoint, static_cast<int>(static_cast<float>(first) / 32767.0f * 9.999f));
        EXPECT_LE(frame.chain.size(), 3u);
        EXPECT_LE(frame.chain.size(), static_cast<std::size_t>(frame.count));
        for (std::size_t k = 1; k < frame.chain.size(); ++k)
            EXPECT_LT(frame.chain[k - 1], frame.chain[k]) << "the beams hop along the ring in order";
    }
}

TEST_F(BoardSunWonderTest, TheClockRunsModuloThreeMinutesAndASeedRepeatsTheFrame)
{
    GameField& board = MakeSunBoard();
    board._effectClock = 30.0f;
    SeedRandom(5);
    const GameField::SunWonderFrame a = board.PlanSunWonder();
    board._effectClock = 210.0f;
    SeedRandom(5);
    const GameField::SunWonderFrame b = board.PlanSunWonder();
    for (int i = 0; i < 10; ++i) {
        EXPECT_NEAR(a.pointX[i], b.pointX[i], 0.01f);
        EXPECT_NEAR(a.pointY[i], b.pointY[i], 0.01f);
    }
    EXPECT_EQ(a.chain, b.chain);
    EXPECT_EQ(a.count, b.count);
    EXPECT_FLOAT_EQ(a.startX, 74.0f + std::sin(60.0f));
}

TEST_F(BoardSunWonderTest, TheSampleSoundsWhenTheBeamsFirstReachAPointAndAgainAtThree)
{
    struct Case {
        std::vector<int> counts;
        int plays;
    };
    const Case cases[] = {
        {{0, 0}, 0},          {{1}, 1},       {{1, 2, 1}, 1},    {{3}, 2},    {{3, 3, 4}, 2},
        {{3, 1, 3}, 3},       {{1, 0, 1}, 2}, {{2, 3, 0, 3}, 4},
    };
    SampleRecorder samples;
    GameField& board = MakeSunBoard();
    for (const Case& c : cases) {
        board._shineSound1 = false;
        board._shineSound2 = false;
        samples.Clear();
        for (int count : c.counts)
            board.PlaySunWonderSounds(count);
        EXPECT_EQ(samples.Count("SunWonder"), c.plays) << "counts " << ::testing::PrintToString(c.counts);
    }
}

TEST_F(BoardSunWonderTest, RaysRunFromEveryCellOfTheBlockToTheSun)
{
    GameField& board = MakeSunBoard();
    board.LaunchSunSparks(0, 0, 2, 2);
    ASSERT_EQ(board._sunRays.size(), 4u);
    for (const SunRay& ray : board._sunRays) {
        EXPECT_GE(ray.speed, 0.3f);
        EXPECT_LT(ray.speed, 0.8f);
        EXPECT_FLOAT_EQ(ray.strip._curveX.getGlobalFrame(1.0f), 74.0f);
        EXPECT_FLOAT_EQ(ray.strip._curveY.getGlobalFrame(1.0f), 400.0f);
    }
    const SunRay& first = board._sunRays.front();
    EXPECT_FLOAT_EQ(first.strip._curveX.getGlobalFrame(0.0f), board._originX + 20.0f);
    EXPECT_FLOAT_EQ(first.strip._curveY.getGlobalFrame(0.0f), board._originY + 20.0f);
}

} // namespace
