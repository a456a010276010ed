// The board's screen drawn into a real GL context and read back: the lives,
// the sun's glows, the cells appearing, the highlights of the bomb, the time
// bar, the help board's gate and the order of the effects' passes.

#include "PlayFixture.h"

#include "engine/backend/GlDevice.h"
#include "engine/platform/Settings.h"
#include "engine/render/Font.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/render/SpriteAnimation.h"
#include "engine/render/tests/ImageFixtures.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/MathFunctions.h"
#include "game/board/BoardFrame.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/FieldEffect.h"
#include "game/state/ArtefactCatalogue.h"
#include "game/state/ArtefactFile.h"
#include "gui/effects/EffectObserver.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/effects/ParticleManager.h"
#include "tests/support/GlTestContext.h"
#include "tests/support/TestEnvironment.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

TEST_F(BoardDrawTest, TheBoardsOwnPicturesGoWithTheBoard)
{
    // The three pictures a board loads from files, in a folder of its own.
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(DataHome()) / "board pictures";
    const std::vector<std::uint8_t> bgra(4 * 4 * 4, 0xFF);
    const std::string tga = fixtures::MakeTga(4, 4, 2, 32, bgra);
    for (const char* file : {"textures/Fields/firefly.tga", "textures/cur_normal.tga"}) {
        fs::create_directories((folder / file).parent_path());
        std::ofstream(folder / file, std::ios::binary) << tga;
    }
    fs::create_directories(folder / "Textures/Particles");
    std::ofstream(folder / "Textures/Particles/light.jpg", std::ios::binary)
        << fixtures::MakeJpeg(4, 4, 3, std::vector<std::uint8_t>(4 * 4 * 3, 0x80));
    const fs::path was = fs::current_path();
    fs::current_path(folder);
    const bool pairs = g_settings.useJpegPairs;
    g_settings.useJpegPairs = false; // the files themselves, not JPEG pairs
    const backend::GlDevice& gl = g_renderDevice.Gl();
    const std::size_t before = gl.TextureCount();
    {
        WatchedField board("Pictured");
        EXPECT_NE(board._lightSprite, nullptr);
        EXPECT_NE(board._fireflySprite, nullptr);
        EXPECT_NE(board._cursorSprite, nullptr);
        EXPECT_EQ(gl.TextureCount(), before + 3);
    }
    EXPECT_EQ(gl.TextureCount(), before);
    g_settings.useJpegPairs = pairs;
    fs::current_path(was);
}

namespace {

// A 64 x 64 frame texture: the frame row (v 0..0.3125) red, green and yellow
// for the straight, inner and outer pieces from the right edge; the shadow
// row above it blue; the rest (Babylon's inner corner among it) magenta.
std::vector<std::uint32_t> FrameTexturePixels()
{
    std::vector<std::uint32_t> pixels;
    for (int row = 0; row < 64; ++row) {
        for (int column = 0; column < 64; ++column) {
            std::uint32_t colour = 0xFFFF00FFu;
            if (row < 20)
                colour = column >= 44 ? 0xFFFF0000u : column >= 24 ? 0xFF00FF00u : 0xFFFFFF00u;
            else if (row < 40)
                colour = 0xFF0000FFu;
            pixels.push_back(colour);
        }
    }
    return pixels;
}

const Rgb kBlue = {0, 0, 255};
const Rgb kYellow = {255, 255, 0};
const Rgb kMagenta = {255, 0, 255};

} // namespace

TEST_F(BoardDrawTest, TheFramesPiecesTakeTheirTypesWindowAndAShadowDownToTheRight)
{
    Sprite frame;
    UploadTexture(frame, 64, 64, FrameTexturePixels());
    GameField& board = BareBoard({{kEmpty}});
    board.SetOrigin(300, 200);
    board._frameTexture = &frame;
    struct Case {
        int type;
        Rgb colour;
    };
    for (const Case& c : {Case{FramePiece::kStraight, kRed}, Case{FramePiece::kInnerCorner, kGreen},
                          Case{FramePiece::kOuterCorner, kYellow}}) {
        SCOPED_TRACE(c.type);
        FramePiece piece;
        piece.alpha = 255;
        piece.x = 100.0f;
        piece.y = 100.0f;
        piece.type = c.type;
        board._framePieces = {piece};
        ClearScreen();
        board.DrawBoardFrame();
        ExpectAt(420, 320, c.colour, 8);     // the piece: its type's window
        ExpectAt(443, 320, kBlue, 8);        // its shadow 6 points to the right
        ExpectAt(420, 296, kBlue, 8);        // and 7 points lower
        ExpectAt(397, 320, kBackground);     // none to the left
        ExpectAt(420, 343, kBackground);     // nor above
    }
    // A half faded piece lets the screen through.
    board._framePieces.front().alpha = 128;
    ClearScreen();
    board.DrawBoardFrame();
    const Rgb half = At(420, 320);
    EXPECT_GT(half[0], 140);
    EXPECT_LT(half[0], 200);
    board._frameTexture = nullptr;
}

TEST_F(BoardDrawTest, BabylonsInnerCornersLieInTheEmptyCellWhicheverWayTheyAreFlipped)
{
    Sprite frame;
    UploadTexture(frame, 64, 64, FrameTexturePixels());
    ActivePlayer().stage = 2;
    struct Case {
        const char* corner;
        Layout layout;
        Point hole;  // the empty cell the corner lies in
        Point cell;  // the playing cell beside it
    };
    const Case cases[] = {
        {"flipped left-right", {{0, 1}, {2, kHole}}, Point(1, 0), Point(0, 0)},
        {"flipped top-bottom", {{kHole, 1}, {2, 3}}, Point(0, 1), Point(0, 0)},
        {"flipped both ways", {{0, kHole}, {2, 3}}, Point(1, 1), Point(1, 0)},
        {"as drawn", {{0, 1}, {kHole, 3}}, Point(0, 0), Point(1, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.corner);
        GameField& board = BareBoard(c.layout);
        board.SetOrigin(500, 300);
        board._frameTexture = &frame;
        FramePiece away;
        away.alpha = 255;
        away.x = -400.0f;
        away.y = 200.0f;
        board._framePieces = {away};
        ClearScreen();
        board.Draw();
        ExpectAt(500 + 40 * c.hole.x + 20, 300 + 40 * c.hole.y + 20, kMagenta, 8);
        ExpectAt(500 + 40 * c.cell.x + 20, 300 + 40 * c.cell.y + 20, kBackground);
        board._frameTexture = nullptr;
    }
}

TEST_F(BoardDrawTest, AGreekBoardHasBranchesOnBothEdges)
{
    auto& entry = g_resourceManager.textures2D["vetki_greece"];
    entry.object = std::make_unique<Sprite>();
    UploadTexture(*entry.object, 2, 2, std::vector<std::uint32_t>(4, 0xFFFF0000u));
    ActivePlayer().stage = 6;
    GameField& board = BareBoard({{0}, {1}});
    board.SetOrigin(500, 300);
    FramePiece piece;
    piece.alpha = 255;
    board._framePieces = {piece};
    ClearScreen();
    board.Draw();
    // The left edge's branch from 16 points in, the right edge's from 21
    // points beyond the last column, each 40 x 80.
    ExpectAt(500 + 16 + 20, 300 + 40, kRed, 8);
    ExpectAt(500 + 40 + 21 + 20, 300 + 40, kRed, 8);
    ExpectAt(500 + 40 + 21 + 20, 300 + 90, kBackground);
    g_resourceManager.textures2D.erase("vetki_greece");
}

TEST_F(BoardDrawTest, AChipTurnsEdgeOnThroughTheReshuffle)
{
    // A sheet of 36 frames of 40 x 40, six to a row: frame 0 red, the
    // others green.
    Sprite sheet;
    std::vector<std::uint32_t> pixels;
    for (int row = 0; row < 256; ++row)
        for (int column = 0; column < 256; ++column)
            pixels.push_back(row >= 216 && column < 40 ? 0xFFFF0000u : 0xFF00FF00u);
    UploadTexture(sheet, 256, 256, pixels);
    sheet.textureWidth = sheet.textureHeight = sheet.imageWidth = sheet.imageHeight = 256;
    GameField& board = BareBoard({{0}});
    board.SetOrigin(500, 300);
    board._squaresTexture = &_white;
    Square& chip = *board._squares.front();
    chip.anim = SpriteAnimation();
    chip.anim.SetSheet(&sheet);
    chip.anim.frameWidth = chip.anim.frameHeight = 40;
    chip.anim.frameCount = 36;
    chip.anim.SetLastFrame(35);
    chip.anim.ComputeFrameSize();
    chip.anim.SetFrame(0);
    board._reshuffleRunning = true;
    struct Case {
        int fade;
        Rgb centre;
    };
    const Case cases[] = {
        {0, kRed},          // face on, its resting frame
        {32, kGreen},       // turned 45 degrees: a frame of the turn
        {64, kBackground},  // edge on as its colour changes
        {230, kGreen},      // face on again, three quarters round
        {255, kRed},        // the whole turn: its own frame
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fade);
        board._cellFade[0][0] = c.fade;
        ClearScreen();
        board.Draw();
        ExpectAt(520, 320, c.centre, 8);
    }
    board._reshuffleRunning = false;
    board._cellFade[0][0] = 255;
    ClearScreen();
    board.Draw();
    ExpectAt(520, 320, kRed, 8); // at rest on its own frame again
}

namespace {

// A library effect of two additive particles, red 100, 10 x 10, that live
// long: drawn once over the background 60 it shows red 160, twice 255.
void RegisterSpot(const std::string& name)
{
    auto texture = std::make_shared<Texture>();
    UploadTexture(*texture, 2, 2, std::vector<std::uint32_t>(4, 0xFFFFFFFFu));
    ParticleSystem system;
    system._texture = texture;
    system._additive = true;
    system._lifeInitial = 10.0f;
    system._paramSize._initial = 10.0f;
    system._paramRed._initial = 100.0f;
    system._paramAlpha._initial = 255.5f;
    system.SetParticleCount(1);
    ParticleEffect effect;
    effect._systems.push_back(system);
    g_particleManager._effects[name] = effect;
}

} // namespace

TEST_F(BoardDrawTest, EachBoardEffectIsDrawnOnceAFrameAndUnderTheVeil)
{
    RegisterSpot("Spot");
    GameField& board = BareBoard({{kEmpty}});
    ActivePlayer().stage = 2;
    board.AddEffect("Spot", 300.0f, 400.0f);
    board._stageEffects.Add("Spot", 600.0f, 400.0f); // a stage's own, as Babylon's fires
    g_effectObserver.Update(0.01f);
    ClearScreen();
    board.DrawAll();
    for (const Point& spot : {Point(300, 400), Point(600, 400)}) {
        const Rgb once = At(spot.x, spot.y);
        EXPECT_NEAR(once[0], 160, 4) << spot.x;
        EXPECT_NEAR(once[1], 60, 2) << spot.x;
    }
    // The artefact's veil covers the board's effects.
    board._veilOn = true;
    board._veilAlpha = 255;
    ClearScreen();
    board.DrawAll();
    ExpectAt(300, 400, Rgb{0, 0, 0});
    board._veilOn = false;
    g_particleManager._effects.erase("Spot");
}

TEST_F(BoardDrawTest, AnOpenedLockSparklesOnItsCellNotInTheCorner)
{
    RegisterSpot("ChipUnlock");
    GameField& board = BareBoard({{kKindLocked + 2}});
    board.SetOrigin(500, 300);
    board.DestroySquare(0, 0, 0.0f, -1, 0, 0);
    g_effectObserver.Update(0.01f);
    ClearScreen();
    board.DrawAll();
    EXPECT_NEAR(At(520, 320)[0], 160, 4);
    ExpectAt(0, 0, kBackground);
    ExpectAt(3, 3, kBackground);
    g_particleManager._effects.erase("ChipUnlock");
}

TEST_F(BoardDrawTest, TheDemoBannerShowsItsTextInItsOwnFontAndColour)
{
    {
        ScopedCurrentDir fonts(std::string(std::getenv("VELMORA_GAME_DIR")) + "/data");
        g_settings.useJpegPairs = false;
        auto font = std::make_unique<Font>("Title", 1.0f);
        ASSERT_TRUE(font->IsLoaded());
        g_renderDevice.AddFont(std::move(font));
    }
    GameField& board = BareBoard({{kEmpty}});
    board._isDemo = true;
    board._bannerAlpha = 0.0f;
    TextResourceLine line;
    line.text = "MMMM MMMM";
    line.font = "Title";
    line.lineHeight = 30;
    line.color = Color(255, 0, 0, 255);
    board._bannerText.lines = {line};
    ClearScreen();
    board.Draw();
    g_renderDevice.Gl().Flush();
    const auto pixels = g_renderDevice.Gl().ReadPixels(10, 20, 780, 110);
    int red = 0;
    int white = 0;
    for (std::size_t i = 0; i + 3 < pixels.size(); i += 4) {
        red += pixels[i] > 150 && pixels[i + 1] < 60 ? 1 : 0;
        white += pixels[i] > 150 && pixels[i + 1] > 150 ? 1 : 0;
    }
    EXPECT_GT(red, 100);
    EXPECT_EQ(white, 0);
    EXPECT_EQ(g_renderDevice.CurrentColor(), 0xFFFFFFFFu);
}
