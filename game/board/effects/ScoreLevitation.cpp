#include "game/board/effects/ScoreLevitation.h"

#include "engine/render/RenderDevice.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "game/board/effects/Curves.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>
#include <cmath>

ScoreLevitation::ScoreLevitation(const std::string& text, const Point& at, GameField* field, int chainLevel,
                                 bool silent)
    : FieldEffect("ScoreLevitation", 0.9f, field)
    , _point(at)
    , _text(text)
    , _silent(silent)
    , _size(0.08f * static_cast<float>(chainLevel) + 0.4f)
{
    _drawPass = 3;
    if (silent)
        SetCurveKeys(_scale, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
    else
        SetCurveKeys(_scale, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f});
    SetCurveKeys(_alpha, {0.0f, 0.5f, 1.0f, 1.0f, 0.5f, 0.0f});
    if (!silent && _field)
        _field->effects.Add("ChainLetter", static_cast<float>(at.x), static_cast<float>(at.y));
}

int ScoreLevitation::AlphaAt(float t) const
{
    return CurveAlpha(_alpha, t);
}

void ScoreLevitation::Draw()
{
    const float t = _time;
    if (t > 1.0f || t < 0.0f)
        return;
    g_renderDevice.SelectFont("scores");
    const int y = _point.y + static_cast<int>(20.0f * t);
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(AlphaAt(t))));
    g_renderDevice.DrawString(_point.x, y, _text, ScaleAt(t), 2, false);
    RestoreDrawState();
}
