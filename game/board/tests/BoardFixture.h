#pragma once

// The game state's test folders (a game folder, current while the test
// runs, an application-data folder and the log in a file of its own), with
// the default profile fresh, the clock seed fixed, and frames stepped on a
// fixed time step through the controller manager. Boards made here are
// deleted, and the manager emptied, when the test ends.

#include "engine/platform/HtmlLog.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/state/GameInfo.h"
#include "game/state/tests/GameStateFixture.h"
#include "gui/controllers/ControllerManager.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class BoardTest : public GameStateTest {
public:
    // Level attributes by name; nullopt leaves one out.
    using Attributes = std::map<std::string, std::optional<std::string>>;

protected:
    static constexpr float kFrameStep = 1.0f / 60.0f;

    BoardTest()
    {
        ActivePlayer() = Player();
        gameInfo.GameOverFlag() = false;
        FixClockSeed(1);
    }

    // Before the fixture's members go: the boards, then every controller left.
    void TearDown() override
    {
        _boards.clear();
        Drain();
    }

    ~BoardTest() override
    {
        UnfixClockSeed();
        ActivePlayer() = Player();
    }

    // Lets every controller left end: those of deleted boards have stopped.
    static void Drain()
    {
        kernel.ForEachController([](IController& c) { c._finished = true; });
        kernel.FlushPending();
        kernel.Update(0.0f);
    }

    // One level element: rows top first; attributes over the defaults (a
    // value of nullopt leaves the attribute out).
    static std::string LevelXml(const std::string& name, const std::vector<std::string>& rows,
                                const Attributes& changes = {})
    {
        Attributes attributes = {{"name", name},          {"time", "100"},          {"tip_time", "10"},
                                 {"qMusor", "0"},         {"sun_inc4", "0.05"},     {"sun_inc5", "0.1"},
                                 {"sun_inc6", "0.2"},     {"chips", "01234"},       {"artefact_begin", "0"}};
        for (const auto& change : changes)
            attributes[change.first] = change.second;
        std::string text = "<Level";
        for (const auto& attribute : attributes)
            if (attribute.second)
                text += " " + attribute.first + "=\"" + *attribute.second + "\"";
        text += ">\n";
        for (const std::string& row : rows)
            text += "  <Line>" + row + "</Line>\n";
        return text + "</Level>\n";
    }

    // Level.xml with these level elements (written as the game names it).
    void WriteLevels(const std::vector<std::string>& levels) const
    {
        std::string text = "<Levels>\n";
        for (const std::string& level : levels)
            text += level;
        WriteGameFile("Level.xml", text + "</Levels>\n");
    }

    GameField& MakeBoard(const std::string& name = "Field")
    {
        _boards.push_back(std::make_unique<GameField>(name, nullptr));
        return *_boards.back();
    }

    // Deletes a board made here, as its layer would.
    void DeleteBoard(GameField& board)
    {
        for (auto it = _boards.begin(); it != _boards.end(); ++it)
            if (it->get() == &board) {
                _boards.erase(it);
                return;
            }
    }

    // Frames as the main loop runs them: activation, update, activation.
    static void Frames(float seconds, float step = kFrameStep)
    {
        const int count = static_cast<int>(seconds / step + 0.5f);
        for (int i = 0; i < count; ++i) {
            kernel.FlushPending();
            kernel.Update(step);
            kernel.FlushPending();
        }
    }

    // The folder of the test's log.htm.
    static std::string LogDir() { return g_log.Path().substr(0, g_log.Path().find_last_of('/')); }

private:
    std::vector<std::unique_ptr<GameField>> _boards;
};
