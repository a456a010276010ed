// Moves on the board in the real program's library: a layer file holds a
// "GameField", its script sends "RunStart", frames run on a fixed time step,
// and the mouse reaches the board through the window system's event queue.

#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"

#include "engine/platform/Application.h"
#include "engine/platform/MainWindow.h"
#include "engine/render/tests/ImageFixtures.h"
#include "engine/util/Random.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "BoardScreenFolder.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/SdlEvents.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

using namespace testing_support;

namespace {

constexpr std::int64_t kTicksPerSecond = 6000;
constexpr std::int64_t kTicksPerFrame = 100; // 60 frames a second

// The game folder of the test: the game's level map and game-play numbers,
// a first level of its own (the bonus squares and the life of the game's
// first level, and two artefact pieces in the top row on the right, so that
// the level is not complete while the test plays), the pictures the board
// and the cursor load from files, a layer with the board and a start script
// that sends it "RunStart".
void PrepareBoardGame(EndToEndGame& game)
{
    for (const char* file : {"LevelMap.xml", "GameplayConst.xml"})
        WriteTextFile(game.File(file), ReadTextFile(SourceDir() + "/data/" + file));
    std::string level = "<Levels>\n  <Level name=\"Phoenicia_1\" time=\"180\" tip_time=\"10\" qMusor=\"0\" "
                        "sun_inc4=\"0.05\" sun_inc5=\"0.1\" sun_inc6=\"0.2\" chips=\"01234\" artefact_begin=\"0\">\n";
    for (const char* row : {"111111AA", "1L111T11", "11111111", "111R1111", "11111111", "11B11111", "1111V111",
                            "11111111"})
        level += std::string("    <Line>") + row + "</Line>\n";
    WriteTextFile(game.File("Level.xml"), level + "  </Level>\n</Levels>\n");
    // The pictures the board and the cursor load from files, served as PNG
    // under the game's settings.
    std::filesystem::create_directories(game.File("textures/Fields"));
    std::filesystem::create_directories(game.File("Textures/Particles"));
    fixtures::PngSpec picture;
    picture.width = picture.height = 8;
    picture.colorType = 6; // RGBA
    picture.rows.assign(8 * 8 * 4, 255);
    for (const char* name : {"textures/cur_normal.png", "textures/cur_active.png", "textures/cur_press.png",
                             "textures/Fields/firefly.png", "Textures/Particles/light.png"})
        WriteTextFile(game.File(name), fixtures::MakePng(picture));
    WriteTextFile(game.File("Board.xml"), "<Layers>\n"
                                          "  <include>board.lua</include>\n"
                                          "  <Layer name=\"Board\">\n"
                                          "    <Controls><GameField name=\"Field\" /></Controls>\n"
                                          "    <Script>BoardHandler</Script>\n"
                                          "  </Layer>\n"
                                          "</Layers>\n");
    WriteTextFile(game.File("board.lua"), "function BoardHandler(message)\n"
                                          "end\n"
                                          "function StartBoard()\n"
                                          "    GUI:getLayer(\"Board\"):getWidget(\"Field\"):AcceptMessage(Message(\"RunStart\"))\n"
                                          "end\n");
    ServeBoardScreen(game);
    WriteTextFile(game.File("start.lua"), "LoadResource(\"board_resources.xml\")\n"
                                          "gameInfo:LoadLevelMap()\n"
                                          "GUI:LoadLayers(\"Board.xml\")\n"
                                          "Screen:pushLayer(GUI:getLayer(\"Board\"))\n"
                                          "StartBoard()\n"
                                          "ShowWindowIfNoSplashes()\n");
}

// The board's game played on fixed frames, its mouse driven through the
// window system's event queue.
class BoardSession {
public:
    explicit BoardSession(EndToEndGame& game) : _game(game) {}

    ::testing::AssertionResult Begin()
    {
        _game.App().timer = Timer([ticks = _ticks] { return *ticks; }, kTicksPerSecond);
        _game.App().showFrameRate = false;
        _game.App().BeginLoop();
        Layer* layer = GUI.getLayer("Board");
        board = layer ? dynamic_cast<GameField*>(layer->getWidget("Field")) : nullptr;
        if (!board)
            return ::testing::AssertionFailure() << "no board in the layer";
        return ::testing::AssertionSuccess();
    }

    // Frames, each taking the events queued before it.
    void Frames(int count)
    {
        for (int i = 0; i < count && _game.App().running; ++i) {
            SDL_PumpEvents();
            SDL_Event event;
            while (SDL_PollEvent(&event))
                WindowProc(event);
            *_ticks += kTicksPerFrame;
            _game.App().Frame();
        }
    }

    // Frames until the board has been free for half a second; false when it
    // never settled.
    bool Settle(int limitFrames = 40 * 60)
    {
        int free = 0;
        for (int i = 0; i < limitFrames && free < 30; ++i) {
            Frames(1);
            free = board->_isBlocked || board->_fallCount > 0 ? 0 : free + 1;
        }
        return free >= 30;
    }

    static Point CellCentre(const GameField& field, int x, int y)
    {
        return Point(field._originX + x * field._cellSize + field._cellSize / 2,
                     field._originY + y * field._cellSize + field._cellSize / 2);
    }

    // Screen points (y upward) to the window (y downward, 800 x 600).
    void Move(const Point& p)
    {
        SDL_Event event = MotionEvent(p.x, 600 - p.y);
        event.motion.windowID = WindowId();
        SDL_PushEvent(&event);
        Frames(1);
    }
    void Button(const Point& p, bool down)
    {
        SDL_Event event = ButtonEvent(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, p.x, 600 - p.y);
        event.button.windowID = WindowId();
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
        Frames(1);
    }
    void Click(const Point& p)
    {
        Move(p);
        Button(p, true);
        Button(p, false);
    }
    void Drag(const Point& from, const Point& to)
    {
        Move(from);
        Button(from, true);
        Move(Point((from.x + to.x) / 2, (from.y + to.y) / 2));
        Move(to);
        Button(to, false);
    }

    GameField* board = nullptr;

private:
    static Uint32 WindowId() { return SDL_GetWindowID(SDL_GL_GetCurrentWindow()); }

    EndToEndGame& _game;
    std::shared_ptr<std::int64_t> _ticks = std::make_shared<std::int64_t>(0);
};

// The kinds of the board's cells, column by column (-1 for an empty cell).
std::vector<int> KindsOf(GameField& board)
{
    board.UpdateKindMap();
    std::vector<int> kinds;
    for (int x = 0; x < board._width; ++x)
        for (int y = 0; y < board._height; ++y)
            kinds.push_back(board._kinds[x][y]);
    return kinds;
}

// Every level cell holds exactly one square.
bool IsFull(const GameField& board)
{
    for (int x = 0; x < board._width; ++x) {
        for (int y = 0; y < board._height; ++y) {
            const auto count = std::count_if(board._squares.begin(), board._squares.end(),
                                             [x, y](const std::unique_ptr<Square>& s) { return s->x == x && s->y == y; });
            if (count != (board._levelGrid.IsCell(x, y) ? 1 : 0))
                return false;
        }
    }
    return true;
}

// The squares that the move would line up, as they stand before it.
std::set<const Square*> RunOf(GameField& board, const MoveRecord& move)
{
    board.UpdateKindMap();
    std::set<const Square*> run;
    if (!board.SwapCells(move.x1, move.y1, move.x2, move.y2))
        return run;
    for (int x = 0; x < board._width; ++x) {
        for (int y = 0; y < board._height; ++y) {
            if (!board.IsMatchAt(x, y))
                continue;
            // The two swapped cells hold each other's squares.
            int fromX = x;
            int fromY = y;
            if (x == move.x1 && y == move.y1) {
                fromX = move.x2;
                fromY = move.y2;
            } else if (x == move.x2 && y == move.y2) {
                fromX = move.x1;
                fromY = move.y1;
            }
            run.insert(board.FindSquare(fromX, fromY));
        }
    }
    board.SwapCells(move.x1, move.y1, move.x2, move.y2);
    return run;
}

bool AnyOnBoard(const GameField& board, const std::set<const Square*>& squares)
{
    return std::any_of(board._squares.begin(), board._squares.end(),
                       [&squares](const std::unique_ptr<Square>& s) { return squares.count(s.get()) != 0; });
}

// Restores the clock seed when the test ends.
struct FixedSeed {
    explicit FixedSeed(std::uint32_t seed) { FixClockSeed(seed); }
    ~FixedSeed() { UnfixClockSeed(); }
};

TEST(BoardPlayEndToEnd, MovesPlayedWithClicksAndADragClearTheirRunsAndAFruitlessSwapComesBack)
{
    FixedSeed seed(16);
    EndToEndGame game("Board");
    PrepareBoardGame(game);
    ASSERT_TRUE(game.Start());
    BoardSession session(game);
    ASSERT_TRUE(session.Begin());
    GameField& board = *session.board;
    session.Frames(8 * 60);
    ASSERT_TRUE(board.HasLevel());
    ASSERT_TRUE(session.Settle());
    ASSERT_TRUE(IsFull(board));

    // A move from the list, with two clicks; then one with a drag.
    for (const bool drag : {false, true}) {
        const std::list<MoveRecord> moves = board.FindMoves();
        ASSERT_FALSE(moves.empty());
        const MoveRecord move = moves.front();
        const std::set<const Square*> run = RunOf(board, move);
        ASSERT_GE(run.size(), 3u);
        const int score = board._score;
        const Point first = BoardSession::CellCentre(board, move.x1, move.y1);
        const Point second = BoardSession::CellCentre(board, move.x2, move.y2);
        if (drag) {
            session.Drag(first, second);
        } else {
            session.Click(first);
            session.Click(second);
        }
        EXPECT_TRUE(board._isBlocked) << (drag ? "drag" : "clicks") << ": the swap runs";
        ASSERT_TRUE(session.Settle()) << (drag ? "drag" : "clicks");
        EXPECT_FALSE(AnyOnBoard(board, run)) << (drag ? "drag" : "clicks") << ": the run is gone";
        EXPECT_GT(board._score, score) << (drag ? "drag" : "clicks");
        EXPECT_TRUE(IsFull(board)) << (drag ? "drag" : "clicks");
        EXPECT_FALSE(board._isBlocked);
        EXPECT_FALSE(board.CheckMatch3(true, false, false)) << "no line is left standing";
    }

    // Two plain neighbours whose swap makes no line trade places and back.
    const std::list<MoveRecord> moves = board.FindMoves();
    board.UpdateKindMap();
    MoveRecord fruitless{-1, -1, -1, -1};
    for (int x = 0; x + 1 < board._width && fruitless.x1 < 0; ++x) {
        for (int y = 0; y < board._height && fruitless.x1 < 0; ++y) {
            const bool offered = std::any_of(moves.begin(), moves.end(), [x, y](const MoveRecord& m) {
                return m.x1 == x && m.y1 == y && m.x2 == x + 1 && m.y2 == y;
            });
            if (!offered && board._kinds[x][y] >= 0 && board._kinds[x][y] < 16 && board._kinds[x + 1][y] >= 0 &&
                board._kinds[x + 1][y] < 16 && board._kinds[x][y] != board._kinds[x + 1][y])
                fruitless = MoveRecord{x, y, x + 1, y};
        }
    }
    ASSERT_GE(fruitless.x1, 0);
    const std::vector<int> before = KindsOf(board);
    const int score = board._score;
    session.Click(BoardSession::CellCentre(board, fruitless.x1, fruitless.y1));
    session.Click(BoardSession::CellCentre(board, fruitless.x2, fruitless.y2));
    EXPECT_TRUE(board._isBlocked);
    ASSERT_TRUE(session.Settle());
    EXPECT_EQ(KindsOf(board), before);
    EXPECT_EQ(board._score, score);
    EXPECT_FALSE(board._isBlocked);

    EXPECT_TRUE(std::any_of(board._squares.begin(), board._squares.end(),
                            [](const std::unique_ptr<Square>& s) { return IsArtefactKind(s->kind); }))
        << "the pieces are still on the board: the level went on all along";
    const std::string log = ReadTextFile(game.File("log.htm"));
    EXPECT_EQ(log.find("Color = Red"), std::string::npos) << log;
}

} // namespace
