#pragma once

// A world map made in a game folder of its own: LevelMap.xml with stages of
// the given level counts (waypoints laid out on a grid unless a test gives
// its own points), an optional levelTexts.xml, a game state with one
// player, stand-in pictures and the log in a file of its own. The map's
// layer is made current on request, since the map's clock runs only there.

#include "WidgetTestSupport.h"

#include "game/screens/Map.h"
#include "game/state/GameInfo.h"
#include "gui/Layer.h"
#include "gui/ScreenImpl.h"
#include "gui/controllers/ControllerManager.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class MapFixture : public ::testing::Test {
protected:
    MapFixture() : _cwd(_dir.Path()) {}

    ~MapFixture() override
    {
        map.reset();
        Screen.ClearLayers();
        kernel.FlushPending();
        kernel.Update(0.0f);
    }

    // Level (s, l) from 0 at (100 + 30 l, 100 + 40 s) unless points are given.
    void WriteLevelMap(const std::vector<int>& levelCounts, const std::vector<std::vector<Point>>& points = {})
    {
        std::string text = "<LevelMap>\n";
        for (std::size_t s = 0; s < levelCounts.size(); ++s) {
            text += "<Stage name=\"Land" + std::to_string(s + 1) + "\" x_t=\"0\" y_t=\"0\">\n";
            for (int l = 0; l < levelCounts[s]; ++l) {
                Point p(100 + 30 * l, 100 + 40 * static_cast<int>(s));
                if (s < points.size() && static_cast<std::size_t>(l) < points[s].size())
                    p = points[s][static_cast<std::size_t>(l)];
                text += "<Level name=\"L" + std::to_string(s + 1) + "_" + std::to_string(l + 1) + "\" x=\"" +
                        std::to_string(p.x) + "\" y=\"" + std::to_string(p.y) + "\" size=\"24\" />\n";
            }
            text += "</Stage>\n";
        }
        testing_support::WriteTextFile(_dir.File("LevelMap.xml"), text + "</LevelMap>\n");
    }

    void WriteFile(const std::string& name, const std::string& text)
    {
        testing_support::WriteTextFile(_dir.File(name), text);
    }

    // Loads the level map, adds the player "P" and makes the map.
    void MakeMap(const std::string& element = "<Map name=\"Map\"/>")
    {
        info.LoadLevelMap();
        info.AddNewPlayer("P");
        XmlElement xml(element);
        map = std::make_unique<Map>("Map", xml.get(), info);
    }

    Player& PlayerRecord() { return info.GetPlayer("P"); }

    // The current layer is named "Map" (or not).
    void OnMapLayer(bool on)
    {
        Screen.ClearLayers();
        Screen.SetLayer(on ? &_mapLayer : &_otherLayer);
    }

    // The controllers of that name, running or waiting.
    int Controllers(const std::string& name) const
    {
        int n = 0;
        for (const auto* list : {&kernel.Active(), &kernel.Pending()})
            for (const IController* c : *list)
                if (c && !c->_finished && c->_name == name)
                    ++n;
        return n;
    }

    // Runs frames of dt through the controller manager.
    void Frames(int count, float dt)
    {
        for (int i = 0; i < count; ++i) {
            kernel.FlushPending();
            kernel.Update(dt);
        }
    }

    std::string LogText() const { return _log.Text(); }

    testing_support::TempDir _dir;
    testing_support::ScopedCurrentDir _cwd;
    testing_support::ScopedLogFile _log;
    FakeWidgetServices services;
    GameInfo info;
    std::unique_ptr<Map> map;

private:
    XmlElement _mapXml{"<Layer name=\"Map\"/>"};
    XmlElement _otherXml{"<Layer name=\"Board\"/>"};
    Layer _mapLayer{_mapXml.get()};
    Layer _otherLayer{_otherXml.get()};
};
