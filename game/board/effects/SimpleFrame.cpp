#include "game/board/effects/SimpleFrame.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/render/Vertex.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;
// Pieces in one swell of the wave along the edges.
constexpr int kCycle = 12;
// The frame's yellow, tinted by its colour.
const Color kYellow(255, 255, 32);

std::uint8_t Tint(std::uint8_t a, std::uint8_t b)
{
    return static_cast<std::uint8_t>(a * b / 255);
}

} // namespace

SimpleFrame::SimpleFrame(int x, int y, int width, int height, Color colour, GameField* field, float duration)
    : FieldEffect("SimpleFrame", duration > 0.0f ? 1.0f / duration : 0.0f, field)
    , _rect(x, y, width, height)
    , _piece(g_resourceManager.GetTexture("#FramePiece"))
    , _startPhase(static_cast<float>(RandomInt() % 1000) * 0.001f)
    , _colour(colour)
    , _duration(duration)
{
}

bool SimpleFrame::IsFinished()
{
    if (_finished)
        return true;
    const bool tipShown = _field && _field->_isShowMessage;
    return (IsTimeUp() || IsEndless()) && _fade <= 0.0f && !tipShown;
}

void SimpleFrame::Update(float dt)
{
    _phase += dt;
    if (IsEndless())
        return;
    _time += dt / _duration;
    const bool tipShown = _field && _field->_isShowMessage;
    if (IsTimeUp() && !tipShown)
        _fade -= 3.0f * dt;
}

int SimpleFrame::PieceCount() const
{
    const int across = std::max(0, _rect.w) / _spacing;
    const int up = std::max(0, _rect.h) / _spacing;
    return 2 * (across + up);
}

void SimpleFrame::Draw()
{
    if (_fade <= 0.0f || _rect.w <= 0 || _rect.h <= 0)
        return;
    const float alpha = std::clamp(255.0f * _fade, 0.0f, 255.0f);
    const Color colour(Tint(kYellow.r, _colour.r), Tint(kYellow.g, _colour.g), Tint(kYellow.b, _colour.b),
                       static_cast<std::uint8_t>(alpha));
    const std::uint32_t argb = colour.ToArgb();

    // The edges walked round from the lower left corner, anticlockwise.
    const int across = _rect.w / _spacing;
    const int up = _rect.h / _spacing;
    std::vector<Vertex> vertices;
    vertices.reserve(static_cast<std::size_t>(PieceCount()) * 6);
    const float phase = _phase + _startPhase;
    const float n = static_cast<float>(kCycle);
    int k = 0;
    auto addPiece = [&](float px, float py) {
        const float place = std::fmod(static_cast<float>(k) + 8.0f * phase, n);
        const float half = std::max(0.0f, 3.5f * std::sin(kPi * place / n));
        const float kn = static_cast<float>(k) / n;
        const float x = px + 1.5f * std::sin(3.0f * kn - 4.0f * phase);
        const float y = py + 1.5f * std::sin(4.0f * kn - 3.0f * phase + 3.0f);
        ++k;
        if (half <= 0.0f)
            return;
        const Vertex a{x - half, y - half, 0.0f, argb, 0.0f, 1.0f};
        const Vertex b{x + half, y - half, 0.0f, argb, 1.0f, 1.0f};
        const Vertex c{x - half, y + half, 0.0f, argb, 0.0f, 0.0f};
        const Vertex d{x + half, y + half, 0.0f, argb, 1.0f, 0.0f};
        vertices.insert(vertices.end(), {a, b, c, c, b, d});
    };
    const float left = static_cast<float>(_rect.x);
    const float bottom = static_cast<float>(_rect.y);
    const float right = left + static_cast<float>(_rect.w);
    const float top = bottom + static_cast<float>(_rect.h);
    const float step = static_cast<float>(_spacing);
    for (int i = 0; i < across; ++i)
        addPiece(left + step * static_cast<float>(i), bottom);
    for (int i = 0; i < up; ++i)
        addPiece(right, bottom + step * static_cast<float>(i));
    for (int i = 0; i < across; ++i)
        addPiece(right - step * static_cast<float>(i), top);
    for (int i = 0; i < up; ++i)
        addPiece(left, top - step * static_cast<float>(i));

    if (_piece)
        _piece->Bind();
    g_renderDevice.DrawTriangleList(vertices);
    RestoreDrawState();
}
