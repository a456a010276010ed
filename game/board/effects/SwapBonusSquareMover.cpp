#include "game/board/effects/SwapBonusSquareMover.h"

#include "engine/render/RenderDevice.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/ChipPicture.h"

#include <algorithm>

namespace {

const char* const kTraceSource = ".\\Effect";

} // namespace

SwapBonusSquareMover::SwapBonusSquareMover(Square* square, int targetX, int targetY, GameField* field, float speed)
    : FieldEffect("SwapBonusSquareMover", speed, field)
    , _square(field ? field->TakeSquare(square) : nullptr)
    , _targetX(targetX)
    , _targetY(targetY)
{
    if (!_field)
        return;
    _field->_swapBonusMovers += 1;
    _field->SetBlocked(true, "SwapBonusSquareMover::SwapBonusSquareMover", kTraceSource);
    if (!_square)
        return;
    if (ResourceEntry<SpriteAnimation>* entry =
            g_resourceManager.FindAnimation("ChipAnim" + IntToString(KindColour(_square->kind)))) {
        if (entry->object)
            _square->anim = *entry->object;
    }
    _square->anim.Play(true);
    const float ox = static_cast<float>(_field->_originX);
    const float oy = static_cast<float>(_field->_originY);
    const float cell = static_cast<float>(_field->_cellSize);
    const float fromX = ox + _square->position.x;
    const float fromY = oy + _square->position.y;
    const float toX = ox + cell * static_cast<float>(targetX);
    const float toY = oy + cell * static_cast<float>(targetY);
    SetCurveKeys(_pathX, {fromX, fromX, toX, toX});
    SetCurveKeys(_pathY, {fromY, fromY, toY, toY});
    SetCurveKeys(_pathScale, {1.0f, 1.0f});
}

SwapBonusSquareMover::~SwapBonusSquareMover()
{
    if (!_field)
        return;
    _field->_swapBonusMovers -= 1;
    // The two end as one: the last runs the check for both, which frees
    // the board when it finds nothing. (While a reset stops them the check
    // is off, and the reset frees the board.)
    if (_field->_swapBonusMovers == 0)
        _field->CheckMatch3(false, false, true);
}

bool SwapBonusSquareMover::IsFinished()
{
    if (_finished)
        return true;
    if (_time < 1.0f)
        return false;
    if (_square && _field) {
        _square->x = _targetX;
        _square->y = _targetY;
        _square->position = Vector3(static_cast<float>(_targetX * _field->_cellSize),
                                    static_cast<float>(_targetY * _field->_cellSize), _square->position.z);
        _field->AddSquare(std::move(_square));
    }
    return true;
}

void SwapBonusSquareMover::Draw()
{
    if (!_square || !_field)
        return;
    const float t = std::min(_time, 1.0f);
    const float half = static_cast<float>(_field->_cellSize) / 2.0f;
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(_pathX.getGlobalFrame(t) + half, _pathY.getGlobalFrame(t) + half, 0.0f));
    g_renderDevice.ScaleUniform(_pathScale.getGlobalFrame(t));
    g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), _spin * t);
    SpriteAnimation& anim = _square->anim;
    anim.SetFrame(static_cast<int>(36.0f * t) % 36);
    anim.BindTexture();
    anim.Draw(Point(-_field->_cellSize / 2, -_field->_cellSize / 2));
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
