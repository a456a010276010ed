#include "game/screens/MenuWave.h"

#include <algorithm>
#include <cmath>

void MenuWave::Build(const MenuWaveSpec& shape, Texture* texture)
{
    _strip.texture = texture;
    _strip.x = shape.x;
    _strip.y = shape.y;
    _timeScale = shape.timeScale;
    _time = 0.0f;
    _values.Clear();
    for (float value : shape.values)
        _values.addKey(value);
    _values.CalculateGradient(true);
    _rest.clear();
    _count = shape.count < 1 ? 0 : shape.count;
    if (_count > 0) {
        const float count = static_cast<float>(_count);
        for (int j = 0; j <= _count; ++j) {
            const float y = shape.height / count * static_cast<float>(j);
            const float v = static_cast<float>(j) / count;
            _rest.push_back(Vertex{0.0f, y, 0.0f, 0xFFFFFFFFu, 0.0f, v});
            _rest.push_back(Vertex{shape.width, y, 0.0f, 0xFFFFFFFFu, 1.0f, v});
        }
    }
    _strip.batch.vertices = _rest;
    _strip.batch.vertexCount = static_cast<std::uint32_t>(_rest.size());
    _strip.batch.primitiveCount = static_cast<std::uint32_t>(2 * _count);
}

void MenuWave::Update(float dt)
{
    _time += dt * _timeScale * 0.1f;
    // Wraps to 0..1 (a long frame, or a wave running backward, included).
    if (_time >= 1.0f || _time < 0.0f)
        _time -= std::floor(_time);
    if (_count < 1)
        return;
    std::vector<Vertex>& drawn = _strip.batch.vertices;
    for (int j = 0; j <= _count; ++j) {
        float g = static_cast<float>(j) / static_cast<float>(_count + 1) + 1.0f - _time;
        if (g >= 1.0f)
            g -= 1.0f;
        const float shift = _values.getGlobalFrame(g) * std::min(static_cast<float>(j) / 30.0f, 1.0f);
        for (int side = 0; side < 2; ++side) {
            const std::size_t at = static_cast<std::size_t>(2 * j + side);
            drawn[at].x = _rest[at].x + shift;
        }
    }
}

void MenuWave::Draw() const
{
    // Without its picture a strip would take whatever picture was bound last.
    if (_count > 0 && _strip.texture)
        _strip.Draw();
}
