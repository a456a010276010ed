#include "game/screens/QTVLogoAnimator.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "gui/FontAccess.h"

#include <algorithm>

QTVLogoAnimator::QTVLogoAnimator(const Sprite* first)
{
    _current.picture = first;
}

void QTVLogoAnimator::SwitchTo(const Sprite* picture)
{
    if (_queue.empty() && _current.picture == picture)
        return;
    const auto same = std::find_if(_queue.begin(), _queue.end(),
                                   [picture](const State& state) { return state.picture == picture; });
    _queue.erase(same, _queue.end());
    State next;
    next.picture = picture;
    _queue.push_back(next);
}

void QTVLogoAnimator::Update(float dt)
{
    if (_queue.empty())
        return;
    _fade -= dt * fadeSpeed;
    if (_fade <= 0.0f) {
        _current = _queue.front();
        _queue.pop_front();
        _fade = 1.0f;
    }
}

std::vector<QTVLogoAnimator::Layer> QTVLogoAnimator::Layers() const
{
    const int full = static_cast<int>(255.0f * alpha);
    if (_queue.empty())
        return {{&_current, full}};
    const State& incoming = _queue.front();
    auto faded = [this](float f) { return static_cast<int>(static_cast<float>(static_cast<int>(255.0f * f)) * alpha); };
    if (_fade >= 0.5f)
        return {{&_current, full}, {&incoming, faded(1.0f - _fade)}};
    return {{&incoming, full}, {&_current, faded(_fade)}};
}

void QTVLogoAnimator::Draw(int x, int y) const
{
    RenderDevice& device = g_renderDevice;
    for (const Layer& layer : Layers()) {
        const State& state = *layer.state;
        const std::uint8_t a = static_cast<std::uint8_t>(std::clamp(layer.alpha, 0, 255));
        if (state.picture) {
            device.SetColor(Color(a));
            state.picture->Bind();
            device.DrawRect(x, y, state.picture->textureWidth, state.picture->textureHeight);
        }
        if (state.hasText) {
            Color colour = state.color;
            colour.a = a;
            device.SetColor(colour);
            DrawFontString(state.font, Point(x + state.offset.x, y + state.offset.y), state.text, 1.0f, 0);
        }
    }
    device.ResetColor();
}
