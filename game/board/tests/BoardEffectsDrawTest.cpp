// The leaving effects drawn into a real GL context: each shows its picture
// where its square or piece is, and leaves normal blending and opaque white.

#include "PlayFixture.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/board/effects/ArtefactMover.h"
#include "game/board/effects/BonusMover.h"
#include "game/board/effects/LifeBonusDownMover.h"
#include "game/board/effects/MusorDestroyer.h"
#include "game/board/effects/SquareDestroyerShatter.h"
#include "game/board/effects/SquareDestroyerThrow.h"
#include "game/board/effects/SwapBonusSquareMover.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/board/effects/DecLives.h"
#include "game/board/effects/LetterText.h"
#include "game/board/effects/LifeBonus.h"
#include "tests/support/GlTestContext.h"

using namespace testing_support;

namespace {

const Rgb kRed = {255, 0, 0};

class BoardEffectsDrawTest : public PlayTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("board effects"));
        // Every picture of the board: opaque red.
        UploadTexture(_red, 2, 2, std::vector<std::uint32_t>(4, 0xFFFF0000u));
        g_artefacts.Clear();
        ArtefactElement& piece = g_artefacts.Add().elements.emplace_back();
        piece.width = piece.height = 44;
        UploadTexture(piece.texture, 2, 2, std::vector<std::uint32_t>(4, 0xFFFF0000u));
    }
    void TearDown() override
    {
        PlayTest::TearDown();
        g_artefacts.Clear();
        _gl.Close();
    }

    GameField& MakeDrawnBoard(const Layout& layout)
    {
        GameField& board = MakeLaidOutBoard(layout);
        board._squaresTexture = &_red;
        board._piecesTexture = &_red;
        board._piecesTexture2 = &_red;
        return board;
    }

    // Drawing left normal blending and opaque white: a half-clear red quad
    // (each time on a fresh spot along the top) mixes with the background.
    void ExpectDrawStateRestored(const char* what)
    {
        EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu) << what;
        const int x = 20 * _checks++;
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(255, 0, 0, 128));
        g_renderDevice.DrawRect(x, 580, 10, 10);
        g_renderDevice.ResetColor();
        g_renderDevice.EnableTexture(true);
        EXPECT_NEAR(At(x + 5, 585)[0], 157, 3) << what;
    }

    GlTestContext _gl;
    Sprite _red;
    int _checks = 0;
};

TEST_F(BoardEffectsDrawTest, ThrownAndHighThrownChipsShowWhereTheirSquaresAre)
{
    GameField& board = MakeDrawnBoard({{0xA1, 0xA2}});
    SquareDestroyerThrow thrown(board.FindSquare(0, 0), 0.0f, 0.0f, 0.0f, 0.0f, &board);
    thrown.Draw();
    ExpectAt(375, 170, kRed);
    ExpectDrawStateRestored("thrown");

    SquareDestroyerThrowHigh high(board.FindSquare(1, 0), 0.0f, 0.0f, 0.0f, 0.0f, &board);
    high._size = 20.0f; // half the cell
    high.Draw();
    ExpectAt(415, 170, Rgb{255, 60, 60}); // added to the background
    ExpectAt(415, 185, kBackground);      // drawn at half its size
    ExpectDrawStateRestored("high");
}

TEST_F(BoardEffectsDrawTest, ShardsAndMusorShowAtTheirPoints)
{
    GameField& board = MakeDrawnBoard({{3}});
    SquareDestroyerShatter shatter(board.FindSquare(0, 0), &board, 0, 0);
    shatter.Draw();
    for (const SquareDestroyerShatter::Shard& shard : shatter._shards)
        ExpectAt(static_cast<int>(shard.x) + 10, static_cast<int>(shard.y) + 10, kRed);
    ExpectDrawStateRestored("shatter");

    MusorDestroyer musor(500.0f, 300.0f, 0.0f, &board);
    musor.Draw();
    ExpectAt(520, 320, kRed);
    ExpectDrawStateRestored("musor");
}

TEST_F(BoardEffectsDrawTest, MoversShowAtTheStartOfTheirPaths)
{
    GameField& board = MakeDrawnBoard({{0}});
    BonusMover bonus(200.0f, 300.0f, 0.0f, 32.0f, 52.0f, 0.0f, 2, 0.6f, &board);
    bonus.Draw();
    ExpectAt(220, 320, kRed);
    ExpectDrawStateRestored("bonus");

    LifeBonusDownMover life(400.0f, 300.0f, 0.0f, &board);
    life.Draw();
    ExpectAt(400, 300, kRed);
    ExpectDrawStateRestored("life");

    ArtefactMover piece(Vector3(600.0f, 300.0f, 0.25f), Vector3(100.0f, 400.0f, 0.65f), 0x50, &board, 0.0f, 1.0f);
    piece.Draw();
    ExpectAt(630, 330, kRed);
    ExpectDrawStateRestored("piece");

    SwapBonusSquareMover swap(board.FindSquare(0, 0), 1, 1, &board, 1.0f);
    swap.Draw();
    ExpectDrawStateRestored("swap");
}

TEST_F(BoardEffectsDrawTest, APictureTextShowsCentredOnItsStartPointOnlyWhileItRuns)
{
    GameField& board = MakeDrawnBoard({{0}});
    LetterText::Picture picture;
    picture.sprite = &_red;
    picture.width = 100;
    picture.height = 40;
    LetterText text(Point(400, 300), "", picture, -1.0f, 1.0f, &board, 4);
    text.HideShadow();
    text.Draw();
    ExpectAt(400, 300, kBackground); // not yet
    text._time = 0.5f;
    text.Draw();
    ExpectAt(400, 300, kRed);
    ExpectAt(440, 300, kRed);
    ExpectAt(400, 340, kBackground);
    ExpectDrawStateRestored("letter text");
}

TEST_F(BoardEffectsDrawTest, TheBrokenLifesHalvesShowAtTheIconAndTheAddedLifeBeatsOverTheIcons)
{
    GameField& board = MakeDrawnBoard({{0}});
    board._livesTexture = &_red;
    board._shownLives = 2;
    DecLives broken(&board);
    broken.Draw();
    ExpectAt(static_cast<int>(broken._halves[0].x), 240, kRed);
    ExpectAt(static_cast<int>(broken._halves[1].x), 240, kRed);
    ExpectDrawStateRestored("broken life");

    board._shownLives = 2;
    LifeBonus added(&board);
    added.Draw();
    ExpectAt(31, 238, kBackground); // it waits a second
    added._time = 1.0f / 6.0f;      // the top of a beat
    added.Draw();
    const Rgb lit = At(31, 238);
    EXPECT_GT(lit[0], kBackground[0] + 100) << "the red added over the icons";
    EXPECT_NEAR(lit[1], kBackground[1], 3);
    ExpectDrawStateRestored("added life");
}

} // namespace
