#include "game/screens/DestroyCountryProgress.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "game/screens/Map.h"

#include <algorithm>

DestroyCountryProgress::DestroyCountryProgress(Map* map)
    : MapProcess("DestroyCountryProgress", map)
{
    if (!_map)
        return;
    _map->countryPath.clear();
    _map->countryPathAlpha.clear();
    Player& player = _map->ActivePlayer();
    _stage = player.maxStage - 1;
    const int levels = std::min(player.maxLevel, _map->LevelCount(_stage));
    if (levels < 1) {
        LogError("World map", "No country to walk back through: stage " + IntToString(player.maxStage) +
                                  ", level " + IntToString(player.maxLevel) + " is not on the map");
        _time = 1.0f;
        return;
    }
    _rate = 1.0f / (static_cast<float>(levels) * 0.6f);
    for (int l = levels; l >= 1; --l) {
        Point point;
        _map->LevelPoint(_stage, l - 1, point);
        _map->countryPath.push_back(point);
        _map->countryPathAlpha.push_back(255);
        _x.addKey(static_cast<float>(point.x));
        _y.addKey(static_cast<float>(point.y));
    }
    _x.CalculateGradient(false);
    _y.CalculateGradient(false);
    _map->Info().DestroyCountryProgress();
    _fired.assign(_map->countryPath.size(), 0);
}

DestroyCountryProgress::~DestroyCountryProgress()
{
    if (!_map)
        return;
    if (!_map->countryPath.empty()) {
        _map->flag.x = _x.getGlobalFrame(1.0f);
        _map->flag.y = _y.getGlobalFrame(1.0f);
    }
    _map->countryPath.clear();
    _map->countryPathAlpha.clear();
}

void DestroyCountryProgress::Update(float dt)
{
    if (!_map)
        return;
    _time += dt * _rate;
    if (_time >= 1.0f)
        return;
    const std::size_t n = _map->countryPath.size();
    if (n < 2) {
        // One level: the flag stays on it and nothing goes out.
        if (n == 1) {
            _map->flag.x = static_cast<float>(_map->countryPath[0].x);
            _map->flag.y = static_cast<float>(_map->countryPath[0].y);
        }
        return;
    }
    _map->flag.x = _x.getGlobalFrame(_time);
    _map->flag.y = _y.getGlobalFrame(_time);
    const float step = 1.0f / static_cast<float>(n - 1);
    for (std::size_t i = 0; i < n; ++i) {
        if (static_cast<float>(i) * step >= _time) {
            _map->countryPathAlpha[i] = 255;
            continue;
        }
        if (static_cast<float>(i + 1) * step > _time && i + 1 < n && !_fired[i]) {
            _fired[i] = 1;
            const Point& point = _map->countryPath[i];
            const Color colour = _map->CountryColor(_stage);
            _map->StartMapEffect("DestroyPoint", static_cast<float>(point.x), static_cast<float>(point.y), &colour);
        }
        _map->countryPathAlpha[i] = 0;
    }
}
