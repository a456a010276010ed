#include "game/board/effects/FieldAppearance.h"

#include "engine/util/MathFunctions.h"
#include "game/board/GameField.h"

#include <algorithm>
#include <cmath>

namespace {

// d / D, 0 for a board without extent.
float Share(float d, float extent)
{
    return extent > 0.0f ? d / extent : 0.0f;
}

// The extent a sweep runs over, in cells or in points.
struct SweepArea {
    float width;
    float height;
    float right;   // the distance from the right edge is measured from here
    float centreX; // the centre sweep starts here
    float centreY;
};

// d / D of a point for a sweep mode: how far the sweep has to run to reach it.
float SweepShare(int mode, float x, float y, const SweepArea& area)
{
    switch (mode) {
    case FieldAppearance::kDiagonal:
        return Share(x + y, area.width + area.height);
    case FieldAppearance::kFromLeft:
        return Share(x, area.width);
    case FieldAppearance::kFromRight:
        return Share(area.right - x, area.width);
    default:
        return Share(std::abs(area.centreX - x) + std::abs(area.centreY - y), area.width + area.height);
    }
}

} // namespace

FieldAppearance::FieldAppearance(float speed, int sweepMode, GameField* field, int vanish, float startDelay)
    : FieldEffect("FieldAppearance", speed, field)
    , _sweepMode(sweepMode)
    , _vanish(vanish)
    , _delay(startDelay)
{
    if (!_field)
        return;
    _field->SetBlocked(true, "FieldAppearance::FieldAppearance", ".\\Effect");
    if (_vanish == 1)
        _field->_isVanishing = true;
    for (const FramePiece& piece : _field->_framePieces) {
        const Vector3 point(piece.x, piece.y, piece.z);
        _pieces.push_back(PieceMove{point, point});
    }
}

FieldAppearance::~FieldAppearance()
{
    if (_field && _vanish == 1)
        _field->_isVanishing = false;
}

void FieldAppearance::Update(float dt)
{
    _delay -= dt;
    if (_delay >= 0.0f || !_field)
        return;
    _time += dt * _speed;
    FadeCells();
    if (!_field->_reshuffleRunning)
        FadePieces();
    if (_time >= 1.0f)
        _done = true;
}

void FieldAppearance::FadeCells()
{
    const int width = _field->_width;
    const int height = _field->_height;
    const SweepArea area{static_cast<float>(width), static_cast<float>(height), static_cast<float>(width - 1),
                         static_cast<float>(width / 2), static_cast<float>(height / 2)};
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const float share = SweepShare(_sweepMode, static_cast<float>(x), static_cast<float>(y), area);
            const float value = _vanish ? 510.0f - 510.0f * _time - 255.0f * share : 510.0f * _time - 255.0f * share;
            _field->_cellFade[x][y] = static_cast<int>(std::clamp(value, 0.0f, 255.0f));
        }
    }
}

void FieldAppearance::FadePieces()
{
    const float c = static_cast<float>(_field->_cellSize);
    const float width = c * static_cast<float>(_field->_width);
    const float height = c * static_cast<float>(_field->_height);
    const SweepArea area{width, height, width, width / 2.0f, height / 2.0f};
    const float wx = static_cast<float>(_field->position.x);
    const float wy = static_cast<float>(_field->position.y);
    auto move = _pieces.begin();
    for (FramePiece& piece : _field->_framePieces) {
        if (move == _pieces.end())
            break;
        const float share = SweepShare(_sweepMode, piece.x - wx, piece.y - wy, area);
        float v = (_vanish ? 2.0f * (1.0f - _time) : 2.0f * _time) - share;
        v = std::max(v, 0.0f);
        if (v > 0.98f)
            v = 1.0f;
        const float eased = ease(v, 0.5f, 1.0f);
        piece.alpha = static_cast<int>(255.0f * eased);
        const Vector3 point = move->start + (move->end - move->start) * eased;
        piece.x = point.x;
        piece.y = point.y;
        piece.z = point.z;
        ++move;
    }
}
