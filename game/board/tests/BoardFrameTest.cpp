// The frame built from the level's shape: its pieces at the grid corners,
// the hanging ornaments and how they swing, and the decoration points.

#include "PlayFixture.h"

#include "engine/util/Random.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

namespace {

using Layout = PlayTest::Layout;
constexpr int H = PlayTest::kHole;
constexpr int E = PlayTest::kEmpty;

int CountPieces(const GameField& board, int type, int rotation = -1)
{
    return static_cast<int>(std::count_if(board._framePieces.begin(), board._framePieces.end(),
                                          [type, rotation](const FramePiece& p) {
                                              return p.type == type && (rotation < 0 || p.rotation == rotation);
                                          }));
}

Layout Filled(int width, int height)
{
    return Layout(static_cast<std::size_t>(height), std::vector<int>(static_cast<std::size_t>(width), E));
}

std::vector<std::tuple<int, int, int, int>> PieceList(const GameField& board)
{
    std::vector<std::tuple<int, int, int, int>> pieces;
    for (const FramePiece& p : board._framePieces)
        pieces.emplace_back(static_cast<int>(p.x), static_cast<int>(p.y), p.rotation, p.type);
    return pieces;
}

class BoardFrameTest : public PlayTest {};

struct ShapeCase {
    const char* name;
    Layout layout;
    int outer;
    int inner;
    int straight;
};

TEST_F(BoardFrameTest, PiecesFollowTheShape)
{
    const ShapeCase cases[] = {
        {"8 x 8", Filled(8, 8), 4, 0, 28},
        {"10 x 10", Filled(10, 10), 4, 0, 36},
        {"one cell", {{E}}, 4, 0, 0},
        // An L: one notch gives one inner corner and two more outer ones.
        {"L", {{E, H}, {E, E}}, 5, 1, 2},
    };
    for (const ShapeCase& c : cases) {
        GameField& board = MakeLaidOutBoard(c.layout);
        board.BuildBoardFrame();
        EXPECT_EQ(CountPieces(board, FramePiece::kOuterCorner), c.outer) << c.name;
        EXPECT_EQ(CountPieces(board, FramePiece::kInnerCorner), c.inner) << c.name;
        EXPECT_EQ(CountPieces(board, FramePiece::kStraight), c.straight) << c.name;
        for (const FramePiece& p : board._framePieces)
            EXPECT_EQ(p.alpha, 0) << c.name;
    }
}

TEST_F(BoardFrameTest, EdgesTurnWithTheirSide)
{
    GameField& board = MakeLaidOutBoard(Filled(8, 8));
    board.BuildBoardFrame();
    // Bottom 0, left 1, top 2, right 3: seven straight pieces each.
    for (int rotation = 0; rotation < 4; ++rotation)
        EXPECT_EQ(CountPieces(board, FramePiece::kStraight, rotation), 7) << rotation;
    // A piece lies on its grid corner less half a cell.
    const FramePiece& first = board._framePieces.front();
    EXPECT_FLOAT_EQ(first.x, -20.0f);
    EXPECT_FLOAT_EQ(first.y, -20.0f);
}

TEST_F(BoardFrameTest, CellsTouchingAtACornerGiveBothInnerPieces)
{
    struct Case {
        const char* name;
        Layout layout;
        int rotations[2];
    };
    const Case cases[] = {
        // Upper right and lower left (code 6): rotations 0 and 2.
        {"rising", {{H, E}, {E, H}}, {0, 2}},
        // Upper left and lower right (code 9): rotations 3 and 1.
        {"falling", {{E, H}, {H, E}}, {3, 1}},
    };
    for (const Case& c : cases) {
        GameField& board = MakeLaidOutBoard(c.layout);
        board.BuildBoardFrame();
        std::vector<int> found;
        for (const FramePiece& p : board._framePieces)
            if (p.type == FramePiece::kInnerCorner) {
                EXPECT_FLOAT_EQ(p.x, 20.0f) << c.name;
                EXPECT_FLOAT_EQ(p.y, 20.0f) << c.name;
                found.push_back(p.rotation);
            }
        EXPECT_EQ(found, std::vector<int>(std::begin(c.rotations), std::end(c.rotations))) << c.name;
    }
}

TEST_F(BoardFrameTest, OrnamentsHangAtTheLowerOuterCorners)
{
    GameField& board = MakeLaidOutBoard(Filled(8, 8));
    board.SetOrigin(377, 140);
    board.BuildBoardFrame();
    // Six above the bar, one by the sun, one at each lower outer corner.
    ASSERT_EQ(board._swingPieces.size(), 9u);
    EXPECT_EQ(board._swingPieces[0].x, 369);
    EXPECT_EQ(board._swingPieces[5].x, 699);
    EXPECT_EQ(board._swingPieces[6].x, 141);
    // The lower left corner (turned once), then the lower right one.
    EXPECT_EQ(board._swingPieces[7].kind, 2);
    EXPECT_EQ(board._swingPieces[7].x, 377 - 20 + 6 + 10);
    EXPECT_EQ(board._swingPieces[7].y, 140 - 20 - 7 + 23);
    EXPECT_EQ(board._swingPieces[8].x, 377 + 320 - 20 + 6 + 16);
}

TEST_F(BoardFrameTest, AnOrnamentSwungPastFiftyStopsDead)
{
    struct Case {
        float angle;
        float speed;
        bool stops;
    };
    const Case cases[] = {{49.0f, 100.0f, true}, {-49.0f, -100.0f, true}, {10.0f, 1.0f, false}, {0.0f, 0.0f, false}};
    GameField& board = MakeLaidOutBoard(Filled(3, 3));
    for (const Case& c : cases) {
        board._swingPieces.assign(1, SwingPiece(400, 80, 1));
        board._swingPieces[0].angle = c.angle;
        board._swingPieces[0].speed = c.speed;
        board.UpdateSwingPieces(0.1f);
        const SwingPiece& piece = board._swingPieces[0];
        if (c.stops) {
            EXPECT_EQ(piece.angle, 0.0f) << c.angle;
            EXPECT_EQ(piece.speed, 0.0f) << c.angle;
        } else {
            EXPECT_LE(std::fabs(piece.angle), 50.0f) << c.angle;
        }
    }
    // One step by the rules: angle, damping, pull back.
    board._swingPieces.assign(1, SwingPiece(400, 80, 1));
    board._swingPieces[0].speed = 1.0f;
    board.UpdateSwingPieces(0.1f);
    EXPECT_FLOAT_EQ(board._swingPieces[0].angle, 2.0f);
    EXPECT_FLOAT_EQ(board._swingPieces[0].speed, 1.0f - 0.2f - 0.2f);
}

TEST_F(BoardFrameTest, DripPointsChangeBetweenLoadsFramePiecesDoNot)
{
    GameField& board = MakeLaidOutBoard(Filled(9, 8));
    board.SetOrigin(357, 140);
    std::set<std::vector<std::pair<int, int>>> dripSets;
    board.BuildBoardFrame();
    const auto pieces = PieceList(board);
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        FixClockSeed(seed);
        board.BuildBoardFrame();
        EXPECT_EQ(PieceList(board), pieces);
        std::vector<std::pair<int, int>> drips;
        for (const Point& p : board._dripPoints)
            drips.emplace_back(p.x, p.y);
        EXPECT_FALSE(drips.empty());
        dripSets.insert(drips);
    }
    EXPECT_GT(dripSets.size(), 1u);
}

TEST_F(BoardFrameTest, DripPointsComeFromTheBoardsSeedSource)
{
    GameField& board = MakeLaidOutBoard(Filled(9, 8));
    FixClockSeed(7);
    board.BuildBoardFrame();
    const std::vector<Point> first = board._dripPoints;
    board.BuildBoardFrame();
    ASSERT_EQ(board._dripPoints.size(), first.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(board._dripPoints[i].x, first[i].x);
}

TEST_F(BoardFrameTest, FootPointsStandUnderTheOuterColumns)
{
    struct Case {
        const char* name;
        Layout layout;
        std::vector<Point> points;
        std::vector<bool> mirrored;
    };
    const Case cases[] = {
        // The outer columns of a rectangle: the right one by the first rule,
        // the left one by the second (drawn mirrored).
        {"8 x 8", Filled(8, 8), {Point(400 - 26, 200 - 31), Point(400 + 280 - 2, 200 - 31)}, {true, false}},
        // A column that ends on a cell of its neighbour's has no foot.
        {"notch", {{E, E}, {E, H}}, {}, {}},
    };
    for (const Case& c : cases) {
        GameField& board = MakeLaidOutBoard(c.layout);
        board.SetOrigin(400, 200);
        board.BuildBoardFrame();
        ASSERT_EQ(board._footPoints.size(), c.points.size()) << c.name;
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(board._footPoints[i].x, c.points[i].x) << c.name;
            EXPECT_EQ(board._footPoints[i].y, c.points[i].y) << c.name;
            EXPECT_EQ(board._footPointMirrored[i], c.mirrored[i]) << c.name;
        }
    }
}

} // namespace

namespace {

class BoardHudTest : public PlayTest {};

TEST_F(BoardHudTest, TheShownScoreClimbsAndComesDownNeverPastTheScore)
{
    struct Case {
        int shown;
        int score;
        int next;
    };
    const Case cases[] = {
        {0, 1000, 100}, {995, 1000, 996}, {990, 1000, 991}, {1000, 1000, 1000},
        {1000, 0, 900}, {15, 0, 14},      {5, 0, 4},        {1, 0, 0},
    };
    GameField& board = MakeLaidOutBoard({{kEmpty}});
    for (const Case& c : cases) {
        board._shownScore = c.shown;
        board._score = c.score;
        board.StepShownScore();
        EXPECT_EQ(board._shownScore, c.next) << c.shown << " -> " << c.score;
    }
}

TEST_F(BoardHudTest, BonusSquaresTakeTheirButtonsAndTheOthersIconsOfTheirOwn)
{
    struct Case {
        int kind;
        int button;
        int cell;
    };
    // The buttons' pictures: 0, 3, 2, 1.
    const Case cases[] = {{0x40, 0, 12}, {0x41, 1, 15}, {0x43, 3, 13}, {0x44, 0, 12},
                          {0x47, 3, 13}, {0x48, 0, 24}, {0x49, 1, 25}, {0x4A, 2, 26}};
    GameField& board = MakeLaidOutBoard({{kEmpty}});
    for (const Case& c : cases) {
        EXPECT_EQ(GameField::BonusSquareButton(c.kind), c.button) << c.kind;
        EXPECT_EQ(board.BonusIconCell(c.kind), c.cell) << c.kind;
    }
}

} // namespace
