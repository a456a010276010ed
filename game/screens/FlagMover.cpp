#include "game/screens/FlagMover.h"

#include "game/screens/Map.h"
#include "gui/widgets/WidgetServices.h"

FlagMover::FlagMover(const Vector3& start, const Vector3& target, float speed, Map* map)
    : MapProcess("FlagMover", map)
    , _speed(speed)
    , _start(start)
    , _target(target)
{
    if (!_map)
        return;
    _map->flag = start;
    _map->flagMoverEnabled = true;
    _map->flagTargetAlpha = 0;
    _map->StartMapEffect("FlagMovingEnd", target.x, target.y, nullptr);
    PlayWidgetSample("MapWaypoint");
}

FlagMover::~FlagMover()
{
    if (!_map)
        return;
    if (_map->ActivePlayer().level == 1)
        _map->badgePulse = 0.0f;
    _map->PlaceFlagOnPlayersLevel();
    _map->flag.z = 0.0f;
    _map->flagMoverEnabled = false;
    _map->flagTargetAlpha = 255;
}

void FlagMover::Update(float dt)
{
    if (!_map)
        return;
    if (!_map->flagMoverEnabled) {
        // A click on the map ends the move.
        _time = 1.1f;
        return;
    }
    _time += dt * _speed;
    if (_time < 1.0f) {
        _map->flag = _start + (_target - _start) * _time;
        _map->flagTargetAlpha = static_cast<int>(_time * 255.0f);
    }
}
