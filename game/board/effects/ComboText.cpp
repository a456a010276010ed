#include "game/board/effects/ComboText.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "game/board/effects/ChipPicture.h"
#include "game/board/effects/Curves.h"

#include <algorithm>

namespace {
const Vector3 kZAxis(0.0f, 0.0f, 1.0f);
} // namespace

ComboText::ComboText(const std::string& text, const Point& at, GameField* field, Sprite* picture, int width,
                     int height)
    : FieldEffect("ComboText", 0.45f, field)
    , _point(at)
    , _text(text)
    , _picture(picture)
    , _quad(-width / 2, -height / 2, width, height)
{
    _drawPass = 3;
    SetCurveKeys(_scale, {0.0f, 1.0f, 1.0f, 1.0f, 0.0f});
    SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 0.5f, 0.0f});
    SetCurveKeys(_rotation, {180.0f, 0.0f, 0.0f, 0.0f});
    if (_picture) {
        _picture->keepLoaded = true;
        if (_picture->textureWidth > 0 && _picture->textureHeight > 0) {
            _uRight = static_cast<float>(_picture->imageWidth) / static_cast<float>(_picture->textureWidth);
            _vLow = 1.0f - static_cast<float>(_picture->imageHeight) / static_cast<float>(_picture->textureHeight);
        }
    }
}

int ComboText::AlphaAt(float t) const
{
    return CurveAlpha(_alpha, t);
}

void ComboText::Draw()
{
    const float t = _time;
    if (t > 1.0f || t < 0.0f)
        return;
    const int a = AlphaAt(t);
    const float s = ScaleAt(t);
    const float r = RotationAt(t);
    g_renderDevice.PushMatrix();
    if (_picture)
        DrawPicture(s, r, a);
    else
        DrawText(s, r, a);
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}

void ComboText::DrawText(float s, float r, int a)
{
    g_renderDevice.PushMatrix();
    g_renderDevice.Translate(Vector3(static_cast<float>(_point.x), static_cast<float>(_point.y - 20), 0.0f));
    g_renderDevice.Rotate(kZAxis, r);
    g_renderDevice.SelectFontAlphaOnly("Letter");
    g_renderDevice.SetColor(Color(0, 0, 0, static_cast<std::uint8_t>(2 * a / 3)));
    g_renderDevice.DrawString(0, 0, _text, 1.2f * s, 2, false);
    g_renderDevice.PopMatrix();

    g_renderDevice.Translate(Vector3(static_cast<float>(_point.x), static_cast<float>(_point.y), 0.0f));
    g_renderDevice.Rotate(kZAxis, r);
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(a)));
    g_renderDevice.SelectFont("Letter");
    g_renderDevice.DrawString(0, 0, _text, s, 2, false);
}

void ComboText::DrawPicture(float s, float r, int a)
{
    _picture->keepLoaded = true;
    if (s > 0.3f) {
        const float lift = s - 0.3f;
        g_renderDevice.PushMatrix();
        g_renderDevice.Translate(
            Vector3(static_cast<float>(_point.x), static_cast<float>(_point.y) - 30.0f * lift * lift, 0.0f));
        g_renderDevice.Rotate(kZAxis, r);
        g_renderDevice.Scale(2.0f * lift, 2.0f * lift, 1.0f);
        _picture->BindAlphaOnly();
        g_renderDevice.SetColor(Color(0, 0, 0, static_cast<std::uint8_t>(static_cast<float>(a) / (lift * 1.5f + 0.7f))));
        g_renderDevice.DrawRectUV(_quad, 0.0f, _uRight, _vLow, 1.0f);
        g_renderDevice.PopMatrix();
    }
    g_renderDevice.Translate(Vector3(static_cast<float>(_point.x), static_cast<float>(_point.y), 0.0f));
    g_renderDevice.Rotate(kZAxis, r);
    g_renderDevice.SetColor(Color(static_cast<std::uint8_t>(a)));
    g_renderDevice.Scale(s, s, 1.0f);
    _picture->Bind();
    g_renderDevice.DrawRectUV(_quad, 0.0f, _uRight, _vLow, 1.0f);
}
