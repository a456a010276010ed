#include "game/screens/MapTitleEmerge.h"

#include "game/screens/CycleFinishing.h"
#include "game/screens/Map.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>

namespace {

const int kWaveCount = 5;

} // namespace

MapTitleEmerge::MapTitleEmerge(Map* map)
    : MapProcess("VelmoraAscendant", map)
{
    SetCurveKeys(_scale, {0.8f, 0.9f, 1.0f});
    SetCurveKeys(_alpha, {0.0f, 32.0f, 64.0f, 255.0f});
    if (!_map)
        return;
    PlayWidgetSample("VelmoraAscendant");
    _map->waves.clear();
    for (int i = 0; i < kWaveCount; ++i) {
        MapWave wave;
        wave.t = -0.1f - 0.1f * static_cast<float>(i);
        _map->waves.push_back(wave);
    }
    kernel.AddController(new CycleFinishing(_map));
}

void MapTitleEmerge::Update(float dt)
{
    if (!_map)
        return;
    _time += dt * _rate;
    const float u = std::min(_time, 1.0f);
    _map->titleScale = _scale.getGlobalFrame(u);
    _map->titleAlpha = std::min(255, static_cast<int>(_alpha.getGlobalFrame(u)));
}
