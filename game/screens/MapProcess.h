#pragma once

// The base of the controllers that change the world map over time: each one
// holds the map it writes and forgets it (and finishes) when the map is
// deleted before it, so it never touches a map that is gone.

#include "gui/controllers/IController.h"

#include <string>

class Map;

class MapProcess : public IController {
public:
    MapProcess(std::string name, Map* map) : IController(std::move(name)), _map(map) {}

    void OnWidgetDeleted(const Widget* widget) override;

    Map* GetMap() const { return _map; }

protected:
    Map* _map;
};
