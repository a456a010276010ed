#pragma once

// Boards laid out cell by cell for the tests of play: a board whose calls
// into its effects and bonuses are written down instead of run, the samples
// the board plays counted on a recording sound output, and the mouse in cells.

#include "BoardFixture.h"

#include "engine/sound/SoundSystemImpl.h"
#include "engine/sound/tests/RecordingAudioDevice.h"
#include "engine/util/StringUtils.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/FieldEffect.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A board that writes down the calls it makes into its effects and bonuses.
class WatchedField : public GameField {
public:
    explicit WatchedField(const std::string& name) : GameField(name, nullptr) {}

    void FlyChipToSun(const std::vector<Point>& cells) override
    {
        calls.push_back("FlyChipToSun " + std::to_string(cells.size()));
    }
    void AddLifeEffect() override { calls.push_back("AddLifeEffect"); }
    void ShowScoreText(const std::string& text, const Point& at, int chainLevel, bool silent) override
    {
        calls.push_back("ScoreText " + text + " level " + std::to_string(chainLevel) + (silent ? " silent" : ""));
        textPoints.push_back(at);
    }
    void ShowComboText(const std::string& pictureName, const Point& at, int width, int height) override
    {
        calls.push_back("ComboText " + pictureName + " " + std::to_string(width) + "x" + std::to_string(height));
        textPoints.push_back(at);
    }
    void ShowLetterText(const std::string& text, const Point& at, float value) override
    {
        calls.push_back("LetterText " + text);
        textPoints.push_back(at);
    }
    void DoBombBonus(int x, int y) override
    {
        calls.push_back("DoBombBonus " + std::to_string(x) + "," + std::to_string(y));
    }
    void DoSunBonus() override { calls.push_back("DoSunBonus"); }
    void AddTimeBonus() override { calls.push_back("AddTimeBonus"); }
    void StartWonderBonus(int x, int y) override
    {
        calls.push_back("StartWonderBonus " + std::to_string(x) + "," + std::to_string(y));
    }
    void CheckNoMoves() override { calls.push_back("CheckNoMoves"); }
    void StartArtefactFlash() override { calls.push_back("StartArtefactFlash"); }

    // The calls that begin so.
    std::vector<std::string> Calls(const std::string& start) const
    {
        std::vector<std::string> found;
        for (const std::string& call : calls)
            if (call.compare(0, start.size(), start) == 0)
                found.push_back(call);
        return found;
    }

    std::vector<std::string> calls;
    std::vector<Point> textPoints;
};

// Every sample the board plays, on a recording output put in for the test.
class SampleRecorder {
public:
    SampleRecorder()
    {
        auto device = std::make_unique<RecordingAudioDevice>();
        _device = device.get();
        g_sound.ReplaceDevice(std::move(device));
        g_sound.Init();
        std::vector<std::string> names = {"ChipSelect", "ChipWrongMove", "FlyChipSwap", "ChipFall",    "ChipKnock",
                                          "ChipToSun",  "ChipUnlock",    "IceBreak",    "Chain1",      "Chain2",
                                          "Chain3",     "SunComplete",   "FallenVisBonus", "LifeBonusFly",
                                          "FallenArtefact"};
        for (int n = 1; n <= 8; ++n)
            names.push_back("Match" + std::to_string(n));
        for (const char* name : {"SunStart", "SunAdd", "SunRay", "SunChipDestroy", "Bomb", "Boom", "Flash",
                                 "FlashStart", "AddTime"})
            names.push_back(name);
        for (const char* name : {"Go", "LevelStartStage", "AddLife"})
            names.push_back(name);
        for (const char* name : {"Hint", "NoMoves", "TipWindow", "ArtefactCollect"})
            names.push_back(name);
        names.push_back("SunWonder"); // demohelp
        for (const std::string& name : names) {
            g_sound.LoadSample(name, name + ".wav", 1000);
            _names[g_sound.FindSample(name)->sample] = name;
        }
    }
    ~SampleRecorder() { g_sound.ReplaceDevice(backend::CreateOpenAlAudioDevice()); }
    SampleRecorder(const SampleRecorder&) = delete;
    SampleRecorder& operator=(const SampleRecorder&) = delete;

    // The samples played, in order.
    std::vector<std::string> Played() const
    {
        std::vector<std::string> played;
        for (const RecordingAudioDevice::SamplePlay& play : _device->samplePlays)
            played.push_back(_names.at(play.sample));
        return played;
    }
    int Count(const std::string& name) const
    {
        const std::vector<std::string> played = Played();
        return static_cast<int>(std::count(played.begin(), played.end(), name));
    }
    void Clear() { _device->samplePlays.clear(); }

private:
    RecordingAudioDevice* _device = nullptr;
    std::map<backend::AudioHandle, std::string> _names;
};

class PlayTest : public BoardTest {
public:
    // Layout values besides kinds.
    static constexpr int kHole = -100; // no level cell
    static constexpr int kEmpty = -1;  // a level cell without a square
    using Layout = std::vector<std::vector<int>>;

protected:
    PlayTest() { ActivePlayer().levelNotComp = true; }

    // A board of the layout (rows top first), the level's colours 0 to 4,
    // no chain owed for many moves, active and free; it plays without a goal
    // (no end-of-level checks) and its clockwork starts nothing by itself.
    WatchedField& MakeLaidOutBoard(const Layout& rowsTopFirst, const std::string& name = "Field")
    {
        _watched.push_back(std::make_unique<WatchedField>(name));
        WatchedField& board = *_watched.back();
        SetUpForPlay(board, rowsTopFirst);
        return board;
    }

    // The level's colours 0 to 4, no chain owed for many moves, active and
    // free, without a goal, laid out.
    static void SetUpForPlay(GameField& board, const Layout& rowsTopFirst)
    {
        board._chipCount = 5;
        for (int i = 0; i < 5; ++i)
            board._chips[i] = i;
        board._chain5Moves = board._chain9Moves = board._chain12Moves = 1000;
        board._isActive = true;
        board._stopTime = false;
        board._levelRunning = false;
        board._musorStep = 5;
        QuietClockwork(board);
        LayOut(board, rowsTopFirst);
    }

    // The board's observer starts no ambient light, artefact flash, ice
    // spreading or hint (each due far in the future).
    static void QuietClockwork(GameField& board)
    {
        constexpr float kNever = 1.0e9f;
        std::fill(std::begin(board._ambientTimers), std::end(board._ambientTimers), kNever);
        board._artefactFlashTime = kNever;
        board._iceClock = -kNever;
        board._tipTime = kNever;
    }

    // A board as MakeLaidOutBoard makes it whose calls into the effects and
    // bonuses run for real.
    GameField& MakeLiveBoard(const Layout& rowsTopFirst, const std::string& name = "Field")
    {
        GameField& board = MakeBoard(name);
        SetUpForPlay(board, rowsTopFirst);
        return board;
    }

    // The board takes the layout: its size, its cells and new squares.
    static void LayOut(GameField& board, const Layout& rowsTopFirst)
    {
        board._height = static_cast<int>(rowsTopFirst.size());
        board._width = board._height > 0 ? static_cast<int>(rowsTopFirst[0].size()) : 0;
        board._levelGrid.Clear();
        board.DeleteAllSquares();
        for (int row = 0; row < board._height; ++row) {
            const int y = board._height - 1 - row;
            for (int x = 0; x < board._width; ++x) {
                const int value = rowsTopFirst[static_cast<std::size_t>(row)][static_cast<std::size_t>(x)];
                if (value == kHole)
                    continue;
                board._levelGrid.Set(x, y, 1);
                if (value >= 0) {
                    auto square = std::make_unique<Square>(x, y, static_cast<float>(x * board._cellSize),
                                                           static_cast<float>(y * board._cellSize), value);
                    square->alpha = 255.0f;
                    board.AddSquare(std::move(square));
                }
            }
        }
        board.UpdateKindMap();
    }

    // The board as a layout: each cell's first square's kind.
    static Layout KindsOf(const GameField& board)
    {
        Layout rows;
        for (int y = board._height - 1; y >= 0; --y) {
            std::vector<int> row;
            for (int x = 0; x < board._width; ++x) {
                const Square* square = board.FindSquare(x, y);
                row.push_back(!board._levelGrid.IsCell(x, y) ? kHole : square ? square->kind : kEmpty);
            }
            rows.push_back(row);
        }
        return rows;
    }

    // Squares per cell of the board (a settled board has one per level cell).
    static int SquaresAt(const GameField& board, int x, int y)
    {
        return static_cast<int>(std::count_if(board._squares.begin(), board._squares.end(),
                                               [x, y](const std::unique_ptr<Square>& s) { return s->x == x && s->y == y; }));
    }
    static bool IsSettledAndFull(const GameField& board)
    {
        if (board._isBlocked || board._fallCount != 0)
            return false;
        for (int x = 0; x < board._width; ++x)
            for (int y = 0; y < board._height; ++y)
                if (SquaresAt(board, x, y) != (board._levelGrid.IsCell(x, y) ? 1 : 0))
                    return false;
        return true;
    }

    // Frames until the board is free again (at most the limit); false when
    // it never was.
    static bool RunUntilFree(const GameField& board, float limit = 30.0f)
    {
        for (float t = 0.0f; t < limit; t += kFrameStep) {
            Frames(kFrameStep);
            if (!board._isBlocked && board._fallCount == 0)
                return true;
        }
        return false;
    }

    // The screen point of a cell's centre.
    static Point CellPoint(const GameField& board, int x, int y)
    {
        return Point(board._originX + x * board._cellSize + board._cellSize / 2,
                     board._originY + y * board._cellSize + board._cellSize / 2);
    }
    static void Click(GameField& board, int x, int y)
    {
        board.MouseDown(CellPoint(board, x, y));
        board.MouseUp(CellPoint(board, x, y));
    }

    // The board's effects of that class, in list order.
    template <typename T>
    static std::vector<T*> EffectsOf(const GameField& board)
    {
        std::vector<T*> found;
        for (FieldEffect* effect : board._fieldEffects)
            if (T* typed = dynamic_cast<T*>(effect))
                found.push_back(typed);
        return found;
    }

    // The board's controllers of that own name, running or about to.
    template <typename T = IController>
    static std::vector<T*> Controllers(const GameField& board, const std::string& ownName)
    {
        std::vector<T*> found;
        const std::string fullName = board.ControllerName(ownName);
        kernel.ForEachController([&](IController& c) {
            if (c._name == fullName && !c._finished)
                if (T* typed = dynamic_cast<T*>(&c))
                    found.push_back(typed);
        });
        return found;
    }

    void TearDown() override
    {
        _watched.clear();
        BoardTest::TearDown();
    }

private:
    std::vector<std::unique_ptr<WatchedField>> _watched;
};
