#include "game/screens/CycleFinishing.h"

#include "game/screens/Map.h"

#include <algorithm>

CycleFinishing::CycleFinishing(Map* map)
    : MapProcess("CycleFinishing", map)
{
    if (!_map)
        return;
    float progress = -1.0f;
    for (const MapWaypoint& waypoint : _map->waypoints) {
        Waypoint entry;
        entry.point = waypoint.point;
        entry.progress = progress;
        entry.stage = waypoint.stage;
        _waypoints.push_back(entry);
        progress -= 0.08f;
    }
    if (!_waypoints.empty()) {
        _waypoints.front().done = true;
        _waypoints.front().progress = 2.0f;
    }
    _map->Info().ResetProgress();
    std::fill(_map->waypointAlpha.begin(), _map->waypointAlpha.end(), 255);
}

CycleFinishing::~CycleFinishing()
{
    if (_map)
        std::fill(_map->waypointAlpha.begin(), _map->waypointAlpha.end(), 0);
}

void CycleFinishing::Update(float dt)
{
    if (!_map)
        return;
    _map->lightPathPaused = true;
    for (std::size_t i = 0; i < _waypoints.size(); ++i) {
        Waypoint& waypoint = _waypoints[i];
        waypoint.progress += waypoint.progress < 0.0f ? dt : dt * _rate;
        if (waypoint.progress < 0.0f)
            continue;
        if (!waypoint.done) {
            waypoint.done = true;
            const Color colour = _map->CountryColor(waypoint.stage);
            _map->StartMapEffect("DestroyCycleProgress", static_cast<float>(waypoint.point.x),
                                 static_cast<float>(waypoint.point.y), &colour);
        }
        if (waypoint.progress <= 1.0f && i < _map->waypointAlpha.size())
            _map->waypointAlpha[i] = 255 - static_cast<int>(waypoint.progress * 255.0f);
    }
}

bool CycleFinishing::IsFinished()
{
    const auto faded = std::count_if(_waypoints.begin(), _waypoints.end(),
                                     [](const Waypoint& w) { return w.progress >= 1.0f; });
    return static_cast<std::size_t>(faded) == _waypoints.size();
}
