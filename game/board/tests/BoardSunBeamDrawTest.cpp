// The charged sun's beams drawn into a real GL context: a beam lights its
// strip, 44 points wide and narrower at its last piece, in any direction; a
// beam whose ends coincide draws nothing.

#include "GlPlayFixture.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "tests/support/GlTestContext.h"

using namespace testing_support;

namespace {

class BoardSunBeamDrawTest : public GlPlayTest {
protected:
    BoardSunBeamDrawTest() : GlPlayTest("sun beams") {}

    GameField& BeamBoard()
    {
        GameField& board = MakeLaidOutBoard({{0}});
        board._flashTexture = &_white;
        board._lightSprite.reset();
        board._effectClock = 0.0f;
        return board;
    }

    static void ClearScreen()
    {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(0x3C, 0x3C, 0x3C, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.ResetColor();
        g_renderDevice.EnableTexture(true);
    }

    static bool Lit(int x, int y)
    {
        const Rgb p = At(x, y);
        return p[1] > kBackground[1] + 60;
    }

};

TEST_F(BoardSunBeamDrawTest, ABeamLightsItsStripAndNarrowsAtItsLastPiece)
{
    GameField& board = BeamBoard();
    struct Case {
        float x1, y1, x2, y2;
        // Points inside the first piece near its edge, inside the last piece
        // on its axis, and beside the last piece.
        int wideX, wideY, endX, endY, besideX, besideY;
    };
    const Case cases[] = {
        {100, 100, 300, 100, 160, 115, 280, 100, 280, 115},  // to the right
        {300, 300, 100, 300, 240, 285, 120, 300, 120, 285},  // to the left
        {400, 100, 400, 300, 415, 160, 400, 280, 415, 280},  // straight up
    };
    for (const Case& c : cases) {
        ClearScreen();
        board.DrawBeam(c.x1, c.y1, c.x2, c.y2);
        EXPECT_TRUE(Lit(c.wideX, c.wideY)) << c.x1 << "," << c.y1;
        EXPECT_TRUE(Lit(c.endX, c.endY)) << c.x1 << "," << c.y1;
        EXPECT_FALSE(Lit(c.besideX, c.besideY)) << "the last piece is 16 points wide";
        if (HasFailure())
            SaveScreenPicture(TestPicturePath());
    }
}

TEST_F(BoardSunBeamDrawTest, ABeamWhoseEndsCoincideDrawsNothing)
{
    GameField& board = BeamBoard();
    ClearScreen();
    board.DrawBeam(200.0f, 200.0f, 200.0f, 200.0f);
    for (int dx = -30; dx <= 30; dx += 10)
        ExpectAt(200 + dx, 200, kBackground);
}

TEST_F(BoardSunBeamDrawTest, TheBeamsEndGlowsAreSmallFlickeringSparks)
{
    GameField& board = BeamBoard();
    board._flashTexture = nullptr; // the glows alone
    board._lightSprite = OwnedSprite(new Sprite());
    UploadTexture(*board._lightSprite, 2, 2, std::vector<std::uint32_t>(4, 0xFFFFFFFFu));
    struct Case {
        float clock;
        int radius; // half the glow's side: 32 x (sin(89 t) + 1) x 0.05 at most
    };
    const float top = 3.14159265f / 2.0f / 89.0f; // sin(89 t) = 1: the glow at its largest
    for (const Case& c : {Case{0.0f, 1}, Case{top, 3}}) {
        board._effectClock = c.clock;
        ClearScreen();
        board.DrawBeam(100.0f, 100.0f, 300.0f, 300.0f);
        EXPECT_TRUE(Lit(300, 300) || Lit(299, 299)) << c.clock;
        for (const Point& beside : {Point(300 + c.radius + 3, 300), Point(300, 300 - c.radius - 3),
                                    Point(300 - c.radius - 3, 300), Point(300, 320)})
            EXPECT_FALSE(Lit(beside.x, beside.y)) << c.clock << " " << beside.x << "," << beside.y;
    }
    board._lightSprite.reset();
}

} // namespace
