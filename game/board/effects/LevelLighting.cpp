#include "game/board/effects/LevelLighting.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>
#include <cmath>

namespace {

float Distance(const Point& a, const Point& b)
{
    const float dx = static_cast<float>(b.x - a.x);
    const float dy = static_cast<float>(b.y - a.y);
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

LevelLighting::LevelLighting(int sparkCount, float spacing, float speed, const std::vector<Point>& path, int picture,
                             GameField* field, const Rect& clip, bool followTimer, float alphaFactor, bool closed)
    : FieldEffect("LevelLighting", speed, field)
    , _path(path)
    , _picture(picture)
    , _clip(clip)
    , _closed(closed)
    , _followTimer(followTimer)
    , _alphaFactor(alphaFactor)
{
    if (_closed && !_path.empty())
        _path.push_back(_path.front());
    float sum = 0.0f;
    for (std::size_t i = 0; i < _path.size(); ++i) {
        if (i > 0)
            sum += Distance(_path[i - 1], _path[i]);
        _lengths.push_back(sum);
    }
    _total = sum;
    if (_total <= 0.0f) {
        // Nothing to run along.
        _done = true;
        return;
    }
    for (int i = sparkCount; i >= 1; --i)
        _sparks.push_back(-static_cast<float>(i) / _total * spacing);
}

void LevelLighting::Update(float dt)
{
    if (_total <= 0.0f)
        return;
    for (float& spark : _sparks) {
        spark += dt * _speed;
        if (spark < -2.0f)
            spark += 2.0f;
        else if (spark > 2.0f)
            spark -= 2.0f;
    }
    // Every spark has passed the end of an open path.
    if (!_closed && std::all_of(_sparks.begin(), _sparks.end(), [](float spark) { return spark > 1.0f; }))
        _done = true;
}

bool LevelLighting::PointAt(float share, float& x, float& y) const
{
    if (_total <= 0.0f || _path.size() < 2)
        return false;
    const float along = share * _total;
    std::size_t i = 1;
    while (i + 1 < _lengths.size() && _lengths[i] < along)
        ++i;
    const float segment = _lengths[i] - _lengths[i - 1];
    const float f = segment > 0.0f ? std::clamp((along - _lengths[i - 1]) / segment, 0.0f, 1.0f) : 0.0f;
    x = static_cast<float>(_path[i - 1].x) + f * static_cast<float>(_path[i].x - _path[i - 1].x);
    y = static_cast<float>(_path[i - 1].y) + f * static_cast<float>(_path[i].y - _path[i - 1].y);
    return true;
}

bool LevelLighting::TimerShift(float& shift) const
{
    shift = 0.0f;
    if (!_followTimer)
        return true;
    if (!_field || _field->_levelTime <= 0.0f)
        return false;
    const float f = std::clamp(_field->_elapsed / _field->_levelTime, 0.0f, 1.5f);
    shift = static_cast<float>(305 - static_cast<int>(472.0f * f));
    return true;
}

void LevelLighting::Draw()
{
    if (!_field || _total <= 0.0f)
        return;
    float shift = 0.0f;
    if (!TimerShift(shift))
        return;
    Sprite* sparks = _field->_scopeTexture1;
    if (sparks)
        sparks->Bind();
    g_renderDevice.SetBlendMode(2);
    const float u = static_cast<float>(_picture % 8) * 0.125f;
    const float v = 1.0f - static_cast<float>(_picture / 8 + 1) * 0.125f;
    const float count = static_cast<float>(_sparks.size());
    for (std::size_t i = 0; i < _sparks.size(); ++i) {
        float share = _sparks[i];
        if (_closed)
            share -= std::floor(share);
        if (share < 0.0f || share > 1.0f)
            continue;
        float x = 0.0f;
        float y = 0.0f;
        if (!PointAt(share, x, y))
            continue;
        x += shift;
        if (x < static_cast<float>(_clip.x) || y < static_cast<float>(_clip.y) ||
            x > static_cast<float>(_clip.x + _clip.w) || y > static_cast<float>(_clip.y + _clip.h))
            continue;
        const float alpha = (0.5f - std::fabs(0.5f * count - static_cast<float>(i)) / count) * 240.0f * _alphaFactor * 0.5f;
        g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(std::clamp(alpha, 0.0f, 255.0f))));
        g_renderDevice.DrawRectUV(Rect(static_cast<int>(x) - 8, static_cast<int>(y) - 8, 16, 16), u, u + 0.125f, v,
                                  v + 0.125f);
    }
    RestoreDrawState();
}
