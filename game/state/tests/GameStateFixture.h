#pragma once

// A game folder and an application-data folder of their own for each test,
// the game folder current, and the log written into a file of its own.

#include "engine/platform/StartUp.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class GameStateTest : public testing::Test {
protected:
    GameStateTest()
        : _gameDir(MakeFolder(_dir.File("game")))
        , _cwd(_gameDir)
    {
        testing_support::WriteTextFile(_dir.File("appdata/keep"), "");
        g_appDataFolder = _dir.File("appdata");
    }
    ~GameStateTest() override { g_appDataFolder.clear(); }

    std::string GameFile(const std::string& name) const { return _dir.File("game/" + name); }
    std::string AppFile(const std::string& name) const { return _dir.File("appdata/" + name); }
    void WriteGameFile(const std::string& name, const std::string& text) const
    {
        testing_support::WriteTextFile(GameFile(name), text);
    }

    // LevelMap.xml with stages of the given level counts; levels are named
    // S<stage>L<level>.
    void WriteLevelMap(const std::vector<int>& levelCounts, const std::string& fileName = "LevelMap.xml") const
    {
        WriteGameFile(fileName, LevelMapText(levelCounts));
    }
    static std::string LevelMapText(const std::vector<int>& levelCounts)
    {
        std::string text = "<LevelMap>\n";
        for (std::size_t s = 0; s < levelCounts.size(); ++s) {
            text += "<Stage name=\"Stage" + std::to_string(s + 1) + "\" x_t=\"1\" y_t=\"2\">\n";
            for (int l = 0; l < levelCounts[s]; ++l)
                text += "<Level name=\"S" + std::to_string(s + 1) + "L" + std::to_string(l + 1) +
                        "\" x=\"10\" y=\"20\" size=\"3\" />\n";
            text += "</Stage>\n";
        }
        return text + "</LevelMap>\n";
    }

    std::string LogText() const { return _log.Text(); }
    static int Count(const std::string& text, const std::string& piece)
    {
        int n = 0;
        for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
            ++n;
        return n;
    }
    int ErrorLines() const { return Count(LogText(), "Color = Red"); }

private:
    static std::string MakeFolder(const std::string& path)
    {
        testing_support::WriteTextFile(path + "/keep", "");
        return path;
    }

    testing_support::TempDir _dir;
    std::string _gameDir;
    testing_support::ScopedCurrentDir _cwd;
    testing_support::ScopedLogFile _log;
};
