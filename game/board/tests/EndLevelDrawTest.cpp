// The board's big texts and the lives' effects drawn into a real GL
// context: each shows where it stands and leaves normal blending and opaque
// white.

#include "PlayFixture.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/board/effects/DecLives.h"
#include "game/board/effects/LetterText.h"
#include "game/board/effects/LifeBonus.h"
#include "tests/support/GlTestContext.h"

using namespace testing_support;

namespace {

const Rgb kRed = {255, 0, 0};

class EndLevelDrawTest : public PlayTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("end of level"));
        UploadTexture(_red, 2, 2, std::vector<std::uint32_t>(4, 0xFFFF0000u));
        _red.imageWidth = _red.textureWidth = 2;
        _red.imageHeight = _red.textureHeight = 2;
    }
    void TearDown() override
    {
        PlayTest::TearDown();
        _gl.Close();
    }

    GameField& MakeDrawnBoard()
    {
        GameField& board = MakeLaidOutBoard({{0}});
        board._piecesTexture2 = &_red;
        board._livesTexture = &_red;
        return board;
    }

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

TEST_F(EndLevelDrawTest, APictureTextShowsCentredOnItsStartPointOnlyWhileItRuns)
{
    GameField& board = MakeDrawnBoard();
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

TEST_F(EndLevelDrawTest, TheBrokenLifesHalvesShowAtTheIconAndTheAddedLifeBeatsOverTheIcons)
{
    GameField& board = MakeDrawnBoard();
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
    added._time = 1.0f / 6.0f; // the top of a beat
    added.Draw();
    const Rgb lit = At(31, 238);
    EXPECT_GT(lit[0], kBackground[0] + 100) << "the red added over the icons";
    EXPECT_NEAR(lit[1], kBackground[1], 3);
    ExpectDrawStateRestored("added life");
}

} // namespace
