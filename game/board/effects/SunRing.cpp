#include "game/board/effects/SunRing.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "game/board/effects/Curves.h"

#include <algorithm>

SunRing::SunRing(GameField* field, float speed, Color colour, float spread)
    : FieldEffect("SunRing", speed, field)
    , _colour(colour)
    , _spread(spread)
{
    SetCurveKeys(_alpha, {0.0f, 128.0f, 0.0f});
    SetCurveKeys(_scale, {1.0f, 1.05f, 0.98f, 1.0f});
    const float tilt = 9.999f * static_cast<float>(RandomInt()) / 32767.0f - 5.0f;
    SetCurveKeys(_rotation, {0.0f, tilt, 0.0f});
    for (int i = 0; i < kRings; ++i)
        _rings[i] = g_resourceManager.GetTexture("#Sun_" + IntToString(i + 1));
}

float SunRing::RingPhase(int ring, float t) const
{
    return std::clamp(3.0f * t - static_cast<float>(ring - 1) * _spread / 18.0f, 0.0f, 1.0f);
}

int SunRing::RingAlpha(int ring, float t) const
{
    return static_cast<int>(std::clamp(_alpha.getGlobalFrame(RingPhase(ring, t)), 0.0f, 255.0f));
}

void SunRing::Draw()
{
    if (!_field)
        return;
    const float t = _time;
    g_renderDevice.SetBlendMode(2);
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(_field->_sunPosition.x + 51),
                                     static_cast<float>(_field->_sunPosition.y + 50), 0.0f));
    g_renderDevice.Scale(_field->_sunScale, _field->_sunScale, 1.0f);
    for (int ring = 1; ring <= kRings; ++ring) {
        const float u = RingPhase(ring, t);
        g_renderDevice.SetColor(Color(_colour.r, _colour.g, _colour.b, static_cast<std::uint8_t>(RingAlpha(ring, t))));
        Sprite* picture = _rings[ring - 1];
        if (!picture)
            continue;
        picture->Bind();
        g_renderDevice.PushMatrix();
        g_renderDevice.ScaleUniform(_scale.getGlobalFrame(u));
        g_renderDevice.Rotate(Vector3(0.0f, 0.0f, 1.0f), _rotation.getGlobalFrame(u));
        g_renderDevice.DrawRectUV(Rect(-64, -64, 128, 128), 0.0f, 1.0f, 0.0f, 1.0f);
        g_renderDevice.PopMatrix();
    }
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}
