#include "game/screens/MapLight.h"

#include "engine/util/Random.h"
#include "game/screens/Map.h"
#include "gui/ScreenImpl.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>

namespace {

const char* const kMapLayer = "Map";

} // namespace

MapLight::MapLight(float speed, Map* map)
    : MapProcess("MapLight", map)
    , _speed(speed)
{
    if (_map) {
        const Player& player = _map->ActivePlayer();
        _lightStage = player.stage;
        _lightLevel = player.level;
    }
    _rate = 0.1f + static_cast<float>(RandomInt() % 100) * 0.002f;
}

void MapLight::StopLight()
{
    if (ParticleEffect* light = _light.Get()) {
        light->posX = 1000.0f;
        light->Stop();
    }
    _light = EffectHandle();
}

void MapLight::AdvanceClocks(float dt, bool onMap)
{
    Map& map = *_map;
    if (onMap && map.tipVisible)
        map.AdvanceArtefactTip(dt);
    const Player& player = map.ActivePlayer();
    map.tipAnchor = Point(60, 470);
    if (player.maxStage == 1 && player.cycle == 1)
        map.tipAnchor.x = -500;
    map.textQueue.Update(dt);
    map.time += dt;
    map.waterPhase += 0.02f * dt;
    while (map.waterPhase >= 1.0f)
        map.waterPhase -= 1.0f;
    map.hoverTime += dt;
    for (MapWave& wave : map.waves) {
        if (wave.t < 1.0f) {
            wave.t += 0.2f * dt;
            wave.angle += dt * wave.rotationSpeed;
        }
    }
    map.badgePulse = std::min(1.0f, map.badgePulse + 0.8f * dt);
}

void MapLight::Update(float dt)
{
    if (!_map)
        return;
    Map& map = *_map;
    const std::string layer = Screen.GetTopLayerName();
    const bool onMap = layer == kMapLayer;
    AdvanceClocks(dt, onMap);

    if (map.lightPathPaused && onMap) {
        map.lightPathPaused = false;
        _state = kWaiting;
        _time = 0.0f;
        _rate = 0.3f;
        std::fill(map.lightSlots.begin(), map.lightSlots.end(), 0.0f);
        StopLight();
        return;
    }
    if (!onMap) {
        map.hoveredLevel = -1;
        map.hoveredStage = -1;
    }

    const Player& player = map.ActivePlayer();
    bool reset = false;
    if (_lastLayer != kMapLayer && onMap)
        reset = true;
    else if (player.level == _lightLevel && player.stage == _lightStage)
        reset = false;
    else
        reset = _light.Get() == nullptr;
    if (reset) {
        _state = kWaiting;
        std::fill(map.lightSlots.begin(), map.lightSlots.end(), 0.0f);
        StopLight();
    }
    _lastLayer = layer;

    if (!onMap && _state == kWaiting)
        return;
    _time += dt * _rate;
    if (_state == kWaiting)
        return;
    Walk();
}

void MapLight::Walk()
{
    Map& map = *_map;
    const int count = map.WaypointCount();
    const int stages = map.StageCount();
    if (count == 0 || stages == 0)
        return;
    const int lastStageLevels = map.LevelCount(stages - 1);
    int s = 1;
    int l = 1;
    bool lit = false;
    bool placed = false;
    const int slots = static_cast<int>(map.lightSlots.size());
    for (int k = 0; k < slots; ++k) {
        const float v = std::min(1.0f, std::max(0.0f, _time * 8.0f - static_cast<float>(k) * 0.0625f));
        const bool lastOfAll = s == stages && l == lastStageLevels;
        bool shown = true;
        if (_state == kOneCountry && l == _lightLevel && s == _lightStage) {
            lit = true;
        } else if (!lit && _state != kWholeMap) {
            map.lightSlots[static_cast<std::size_t>(k)] = 0.0f;
            shown = false;
        }
        // Past the last waypoint the walk reads the map from its start again.
        const MapWaypoint& here = map.waypoints[static_cast<std::size_t>(k % count)];
        if (shown) {
            map.lightSlots[static_cast<std::size_t>(k)] = v;
            unsigned char& star = map.lightStars[static_cast<std::size_t>(k)];
            if (v > 0.1f && !star) {
                star = 1;
                // A star over each country's first waypoint and the last one,
                // once: the slots past the last waypoint read the map again.
                if ((l == 1 || lastOfAll) && k < count)
                    map.StartMapEffect("MapStar", static_cast<float>(here.point.x - 1),
                                       static_cast<float>(here.point.y + 2), nullptr);
            }
            if (l != 1 && !lastOfAll && v > 0.1f && v < 0.3f) {
                ParticleEffect* light = _light.Get();
                if (!light) {
                    _light = map.effects.AddWithHandle("MapLight", static_cast<float>(here.point.x),
                                                       static_cast<float>(here.point.y));
                    light = _light.Get();
                }
                float f = 0.0f;
                const int chance = static_cast<int>(static_cast<float>(RandomInt()) * 3.051851e-5f * 99.999f);
                if (chance >= 30 && l != map.LevelCount(s - 1))
                    f = 0.4f + static_cast<float>(RandomInt()) * 6.073184e-6f;
                const Point next = map.waypoints[static_cast<std::size_t>((k + 1) % count)].point;
                if (light) {
                    light->posX = static_cast<float>(here.point.x) + static_cast<float>(next.x - here.point.x) * f;
                    light->posY = static_cast<float>(here.point.y) + static_cast<float>(next.y - here.point.y) * f;
                    Map::TintEffect(*light, map.CountryColor(s - 1));
                }
                placed = true;
            }
        }
        if (v < 0.1f)
            map.lightStars[static_cast<std::size_t>(k)] = 0;
        if (s == _lightStage + 1)
            lit = false;
        if (l >= map.LevelCount(s - 1)) {
            l = 1;
            s = s >= stages ? 1 : s + 1;
        } else {
            ++l;
        }
        if (s == 1 && l == 2 && k > 10)
            break;
    }
    if (!placed)
        StopLight();
}

bool MapLight::IsFinished()
{
    if (_time < 1.0f)
        return false;
    _time = 0.0f;
    if (_state == kWaiting) {
        if (_map) {
            const Player& player = _map->ActivePlayer();
            _lightStage = player.stage;
            _lightLevel = player.level;
        }
        _state = (RandomInt() & 3) > 0 ? kOneCountry : kWholeMap;
        _rate = _speed;
    } else {
        _state = kWaiting;
        StopLight();
        _rate = 5.0f;
    }
    return false;
}
