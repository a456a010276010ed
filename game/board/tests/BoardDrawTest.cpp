// The board's screen drawn into a real GL context and read back: the lives,
// the sun's glows, the cells appearing, the highlights of the bomb, the time
// bar, the help board's gate and the order of the effects' passes.

#include "PlayFixture.h"

#include "engine/platform/Settings.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/util/MathFunctions.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/FieldEffect.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/ArtefactFile.h"
#include "tests/support/GlTestContext.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace testing_support;

namespace {

const Rgb kRed = {255, 0, 0};
const Rgb kGreen = {0, 255, 0};

// An effect that writes down its draws.
class PassEffect : public FieldEffect {
public:
    PassEffect(GameField* field, int pass, std::vector<int>& drawn) : FieldEffect("PassEffect", 1.0f, field), _drawn(drawn)
    {
        _drawPass = pass;
    }
    void Update(float dt) override { FieldEffect::Update(dt); }
    bool IsFinished() override { return FieldEffect::IsFinished(); }
    void Draw() override { _drawn.push_back(_drawPass); }

private:
    std::vector<int>& _drawn;
};

class BoardDrawTest : public PlayTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(_gl.Open("board drawing"));
        Solid(_red, 0xFFFF0000u);
        Solid(_green, 0xFF00FF00u);
        Solid(_white, 0xFFFFFFFFu);
    }
    void TearDown() override
    {
        PlayTest::TearDown();
        _gl.Close();
    }

    static void Solid(Sprite& sprite, std::uint32_t argb) { UploadTexture(sprite, 2, 2, std::vector<std::uint32_t>(4, argb)); }

    // The screen back to the background colour.
    static void ClearScreen()
    {
        g_renderDevice.EnableTexture(false);
        g_renderDevice.SetColor(Color(0x3C, 0x3C, 0x3C, 255));
        g_renderDevice.DrawRect(0, 0, 800, 600);
        g_renderDevice.ResetColor();
        g_renderDevice.EnableTexture(true);
    }

    // A board with only the pictures a test gives it.
    GameField& BareBoard(const Layout& layout)
    {
        GameField& board = MakeLaidOutBoard(layout);
        board._whiteTexture = &_white;
        board._whiteLookedUp = true;
        board._sunScale = 1.0f;
        board._cellFade[0][0] = 255;
        for (auto& column : board._cellFade)
            for (int& v : column)
                v = 255;
        return board;
    }

    GlTestContext _gl;
    Sprite _red;
    Sprite _green;
    Sprite _white;
};

TEST_F(BoardDrawTest, LivesShowAsIconsUpToThreeThenOneIconAndACount)
{
    struct Case {
        int lives;
        bool icons[3];
    };
    const Case cases[] = {{3, {true, true, true}}, {4, {true, false, false}}, {1, {true, false, false}}};
    GameField& board = BareBoard({{kEmpty}});
    board._livesTexture = &_red;
    for (const Case& c : cases) {
        ClearScreen();
        board._shownLives = c.lives;
        board.Draw();
        for (int i = 0; i < 3; ++i)
            ExpectAt(24 + 15 * i + 6, 237, c.icons[i] ? kRed : kBackground);
    }
}

TEST_F(BoardDrawTest, TheSunsGlowsFollowTheCharge)
{
    // e = ease(shown energy): found by bisection for each charge.
    const auto energyFor = [](float e) {
        float lo = 0.0f;
        float hi = 1.0f;
        for (int i = 0; i < 60; ++i) {
            const float mid = (lo + hi) / 2.0f;
            (ease(mid, 0.0f, 0.2f) < e ? lo : hi) = mid;
        }
        return hi;
    };
    struct Case {
        float charge;
        bool complete;
        Rgb centre;
    };
    const Case cases[] = {
        {0.3f, false, kGreen},            // only the small glow
        {0.45f, false, Rgb{128, 127, 0}}, // the large one fully, the small at half
        {0.5f, false, kRed},              // only the large one
        {0.6f, true, kBackground},        // none once complete
    };
    GameField& board = BareBoard({{kEmpty}});
    board._sunBorder = &_red;
    board._sunBorderSmall = &_green;
    for (const Case& c : cases) {
        ClearScreen();
        board._shownSunEnergy = energyFor(c.charge);
        board._sunEnergy = c.charge;
        board._sunComplete = c.complete;
        board.Draw();
        ExpectAt(board._sunPosition.x + 51, board._sunPosition.y + 50, c.centre, 4);
    }
}

TEST_F(BoardDrawTest, ACellAtFadeZeroIsInvisibleAndAtFullLiesFlat)
{
    GameField& board = BareBoard({{kEmpty}});
    board.SetOrigin(400, 200);
    board._background = &_red;
    board._cellFade[0][0] = 0;
    ClearScreen();
    board.Draw();
    ExpectAt(420, 220, kBackground);
    board._cellFade[0][0] = 255;
    ClearScreen();
    board.Draw();
    for (const Point& inside : {Point(401, 201), Point(438, 238), Point(420, 220)})
        ExpectAt(inside.x, inside.y, kRed);
    for (const Point& outside : {Point(398, 220), Point(442, 220), Point(420, 242)})
        ExpectAt(outside.x, outside.y, kBackground);
}

TEST_F(BoardDrawTest, TheBombLightsItsAreaMusorIncludedAndNotFallingChipsRed)
{
    const int musor = 0xD0;
    const int fixedLock = 0xB1;
    GameField& board = BareBoard({
        {0, 1, 2, 3, 4},
        {1, 2, 3, 4, 0},
        {2, 3, 0, fixedLock, 1},
        {3, 4, musor, 0, 2},
        {4, 0, 1, 2, 3},
    });
    board.SetOrigin(400, 100);
    board._selectedBonus = 3;
    board._highlightSquare = board.FindSquare(2, 2);
    board._highlightStart = 0.0f;
    board._effectClock = 3.14159265f / 8.0f; // the pulse at its brightest, 88
    ClearScreen();
    board.Draw();
    const auto centre = [&](int x, int y) { return At(400 + 40 * x + 20, 100 + 40 * y + 20); };
    const Rgb lit = centre(2, 2);
    EXPECT_GT(lit[0], 0x3C + 40);
    EXPECT_NEAR(lit[0], lit[1], 3);
    const Rgb litMusor = centre(2, 1);
    EXPECT_NEAR(litMusor[0], lit[0], 3);
    // Distance 3 is outside the blast.
    ExpectAt(400 + 20, 100 + 40 + 20, kBackground);
    // The not-falling lock: white and red over it.
    const Rgb red = centre(3, 2);
    EXPECT_GT(red[0], lit[0] + 40);
    EXPECT_NEAR(red[1], lit[1], 3);
}

TEST_F(BoardDrawTest, TheTimeBarIsPinnedRightAndBlinksBelowATenth)
{
    // 512 x 4: the lower two rows the blink (red), the upper two the fill,
    // blue left of column 400 and green from it.
    std::vector<std::uint32_t> pixels;
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 512; ++column)
            pixels.push_back(row < 2 ? 0xFFFF0000u : column < 400 ? 0xFF0000FFu : 0xFF00FF00u);
    Sprite timer;
    UploadTexture(timer, 512, 4, pixels);
    GameField& board = BareBoard({{kEmpty}});
    board._timerTexture = &timer;
    board._timerVisible = true;
    board._levelTime = 100.0f;
    ActivePlayer().levelNotComp = true;
    struct Case {
        float elapsed;
        float clock;
        Point at;
        Rgb colour;
    };
    const Case cases[] = {
        {0.0f, 0.0f, Point(306, 18), {0, 0, 255}},      // the full bar's left end: blue
        {0.0f, 0.0f, Point(768, 18), {0, 255, 0}},      // its right end: green
        {50.0f, 0.0f, Point(532, 18), {0, 255, 0}},     // half: the green end moved along
        {50.0f, 0.0f, Point(545, 18), kBackground},     // nothing beyond the fill
        {95.0f, 0.3f, Point(310, 18), {0, 255, 0}},     // below a tenth, out of the blink
        {95.0f, 0.7f, Point(310, 18), kRed},            // in tenths 6 to 9: the blink row
        {101.0f, 0.0f, Point(305, 18), kBackground},    // time out: no fill
    };
    for (const Case& c : cases) {
        ClearScreen();
        board._elapsed = c.elapsed;
        board._boardClock = c.clock;
        board.Draw();
        ExpectAt(c.at.x, c.at.y, c.colour, 6);
    }
    // A level without time draws no fill.
    board._levelTime = 0.0f;
    board._elapsed = 0.0f;
    ClearScreen();
    board.Draw();
    ExpectAt(306, 18, kBackground);
}

TEST_F(BoardDrawTest, AHiddenHelpBoardDrawsNothing)
{
    GameField& board = BareBoard({{0, 1}, {2, 3}});
    board.SetOrigin(400, 200);
    board._background = &_red;
    board._livesTexture = &_red;
    board._shownLives = 3;
    board._isHelpMode = true;
    board._helpBoardVisible = false;
    board._helpBackgroundAlpha = 1.0f;
    ClearScreen();
    board.Draw();
    for (const Point& p : {Point(420, 220), Point(30, 237), Point(141, 117), Point(700, 18)})
        ExpectAt(p.x, p.y, kBackground);
    board._helpBoardVisible = true;
    board.Draw();
    ExpectAt(420, 220, kRed);
}

TEST_F(BoardDrawTest, EffectsDrawByPassOneTwoThreeNeverFour)
{
    GameField& board = BareBoard({{kEmpty}});
    std::vector<int> drawn;
    std::vector<std::unique_ptr<PassEffect>> effects;
    for (int pass : {3, 4, 1, 2, 1, 0})
        effects.push_back(std::make_unique<PassEffect>(&board, pass, drawn));
    board.DrawEffectsByPass();
    EXPECT_EQ(drawn, (std::vector<int>{1, 1, 2, 3}));
}

TEST_F(BoardDrawTest, DrawingEndsInOpaqueWhite)
{
    GameField& board = BareBoard({{0, 1}, {2, 3}});
    board._background = &_red;
    board._squaresTexture = &_red;
    board.Draw();
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
}

} // namespace

TEST_F(BoardDrawTest, SquaresFallingInShowOnlyBelowTheirColumnsTopEdge)
{
    // Column 0 is one cell high, column 1 two. A stone halfway into each
    // column from above and one at rest in column 1's top cell.
    GameField& board = BareBoard({{kHole, kEmpty}, {kEmpty, kEmpty}});
    board._squaresTexture = &_green;
    board.SetOrigin(400, 200);
    struct Case {
        int column;
        float y; // the square's lower edge above the board's origin
    };
    const Case cases[] = {{0, 20.0f}, {1, 60.0f}, {1, 40.0f}};
    for (const Case& c : cases) {
        auto square = std::make_unique<Square>(c.column, 0, 40.0f * static_cast<float>(c.column), c.y, kKindStone);
        square->alpha = 255.0f;
        board.AddSquare(std::move(square));
    }
    ClearScreen();
    board.Draw();
    ExpectAt(420, 230, kGreen);      // column 0 inside the board
    ExpectAt(420, 250, kBackground); // above its one cell
    ExpectAt(460, 270, kGreen);      // column 1: the top cell's stone
    ExpectAt(460, 290, kBackground); // the stone falling in is cut at the top edge
    // Drawing beyond the squares is not cut.
    g_renderDevice.EnableTexture(false);
    g_renderDevice.SetColor(Color(255, 0, 0, 255));
    g_renderDevice.DrawRect(420, 500, 10, 10);
    g_renderDevice.ResetColor();
    g_renderDevice.EnableTexture(true);
    ExpectAt(425, 505, kRed);
}

TEST_F(BoardDrawTest, TheCollectedPiecesInThePanelMakeUpTheWholeArtefact)
{
    // The built game's artefacts: every piece collected, the panel shows
    // each country's artefact exactly as its whole picture.
    const std::string built = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data";
    std::filesystem::create_directories("textures/artefacts");
    std::filesystem::copy(built + "/textures/artefacts", "textures/artefacts",
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy_file(built + "/Artefact.xml", "Artefact.xml",
                               std::filesystem::copy_options::overwrite_existing);
    const bool pairs = g_settings.useJpegPairs;
    g_settings.useJpegPairs = false;
    g_artefacts.Clear();
    ASSERT_TRUE(ReadArtefactFile("Artefact.xml", g_artefacts));
    ASSERT_EQ(g_artefacts.Count(), 7);
    const Point anchors[7] = {Point(27, 271), Point(16, 289), Point(10, 280), Point(25, 295),
                              Point(13, 276), Point(25, 293), Point(12, 283)};
    GameField& board = BareBoard({{kHole}});
    for (int stage = 1; stage <= 7; ++stage) {
        Artefact& artefact = *g_artefacts.Find(stage - 1);
        artefact.UploadElements();
        ActivePlayer().stage = stage;
        board._stageIndex = stage - 1;
        board._sunOffset = anchors[stage - 1];
        board._artefactQueue.clear();
        for (int piece = 0; piece < static_cast<int>(artefact.elements.size()); ++piece)
            board._artefactQueue.push_back(piece);
        const int x = static_cast<int>(board._sunOffset.x);
        const int y = static_cast<int>(board._sunOffset.y);

        ClearScreen();
        board.Draw();
        const std::vector<std::uint8_t> panel = g_renderDevice.Gl().ReadPixels(x, y, 256, 256);
        ClearScreen();
        artefact.DrawFull(board._sunOffset);
        const std::vector<std::uint8_t> whole = g_renderDevice.Gl().ReadPixels(x, y, 256, 256);
        ASSERT_EQ(panel.size(), whole.size());
        int differing = 0;
        for (std::size_t i = 0; i < panel.size(); ++i)
            if (std::abs(static_cast<int>(panel[i]) - static_cast<int>(whole[i])) > 2)
                ++differing;
        EXPECT_EQ(differing, 0) << "stage " << stage;
        artefact.ReleaseElements();
    }
    g_settings.useJpegPairs = pairs;
    g_artefacts.Clear();
}

TEST_F(BoardDrawTest, AnArtefactPieceIsCentredOnItsCellWithItsHaloBehind)
{
    // Piece 6 lies at (64, 64) in the whole picture; on the board it is
    // still drawn on its own cell, at the cell's size.
    g_artefacts.Clear();
    Artefact& artefact = g_artefacts.Add();
    for (int i = 0; i < 6; ++i) {
        ArtefactElement& piece = artefact.elements.emplace_back();
        piece.x = 64 * (i % 4);
        piece.y = 64 * (i / 4);
        piece.width = piece.height = 68;
        UploadTexture(piece.texture, 2, 2, std::vector<std::uint32_t>(4, 0xFF00FF00u));
    }
    ActivePlayer().stage = 1;
    GameField& board = BareBoard({{kKindArtefact + 5}});
    board._squaresTexture = &_white;
    board.SetOrigin(400, 200);
    const int cx = 420;
    const int cy = 220;
    struct Case {
        float glow;
        bool halo;
    };
    for (const Case& c : {Case{0.0f, false}, Case{2.0f, true}}) {
        board._pieceGlow[5] = c.glow;
        ClearScreen();
        board.Draw();
        // The piece fills its own cell and leaves the neighbours' alone.
        ExpectAt(cx, cy, kGreen);
        ExpectAt(cx + 18, cy - 18, kGreen);
        ExpectAt(cx + 30, cy, kBackground);
        ExpectAt(cx, cy - 30, kBackground);
        // Just beyond the piece: the background, or its warm rim.
        const Rgb beyond = At(cx + 22, cy + 22);
        if (c.halo) {
            EXPECT_GT(beyond[0], kBackground[0] + 20) << "glow " << c.glow;
            EXPECT_GT(beyond[0], beyond[2]) << "glow " << c.glow;
        } else {
            ExpectAt(cx + 22, cy + 22, kBackground);
        }
    }
    g_artefacts.Clear();
}
