#pragma once

// The board's game in the real program's library: a game folder with a
// level of its own and a layer holding a "GameField" that its start script
// sends "RunStart", and a session that plays it on fixed frames with the
// mouse driven through the window system's event queue.

#include "BoardScreenFolder.h"
#include "game/board/GameField.h"

#include "engine/platform/Application.h"
#include "engine/platform/MainWindow.h"
#include "engine/render/tests/ImageFixtures.h"
#include "engine/util/Random.h"
#include "gui/GUIManager.h"
#include "gui/Layer.h"
#include "tests/support/EndToEndGame.h"
#include "tests/support/SdlEvents.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

namespace testing_support {

constexpr std::int64_t kTicksPerSecond = 6000;
constexpr std::int64_t kTicksPerFrame = 100; // 60 frames a second

// The game folder of the test: the game's level map and game-play numbers,
// a first level of its own (the bonus squares and the life of the game's
// first level, and two artefact pieces in the top row on the right, so that
// the level is not complete while the test plays), the pictures the board
// and the cursor load from files, a layer with the board and a start script
// that sends it "RunStart".
// Level.xml of the game folder: the first level ("Phoenicia_1") with these
// rows, top first.
inline void WriteBoardLevel(EndToEndGame& game, std::initializer_list<const char*> rowsTopFirst)
{
    std::string level = "<Levels>\n  <Level name=\"Phoenicia_1\" time=\"180\" tip_time=\"10\" qMusor=\"0\" "
                        "sun_inc4=\"0.05\" sun_inc5=\"0.1\" sun_inc6=\"0.2\" chips=\"01234\" artefact_begin=\"0\">\n";
    for (const char* row : rowsTopFirst)
        level += std::string("    <Line>") + row + "</Line>\n";
    WriteTextFile(game.File("Level.xml"), level + "  </Level>\n</Levels>\n");
}

// The board's screen in the game folder: the pictures it loads from files,
// a layer holding the board, its script that starts the board, start.lua.
inline void WriteBoardScreenFiles(EndToEndGame& game)
{
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

inline void PrepareBoardGame(EndToEndGame& game)
{
    for (const char* file : {"LevelMap.xml", "GameplayConst.xml"})
        WriteTextFile(game.File(file), ReadTextFile(SourceDir() + "/data/" + file));
    WriteBoardLevel(game, {"111111AA", "1L111T11", "11111111", "111R1111", "11111111", "11B11111", "1111V111",
                           "11111111"});
    WriteBoardScreenFiles(game);
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

// Restores the clock seed when the test ends.
struct FixedSeed {
    explicit FixedSeed(std::uint32_t seed) { FixClockSeed(seed); }
    ~FixedSeed() { UnfixClockSeed(); }
};

} // namespace testing_support
