#include "game/board/effects/LetterText.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/MathFunctions.h"
#include "game/board/GameField.h"
#include "game/board/effects/ChipPicture.h"
#include "game/board/effects/Curves.h"

namespace {

const Vector3 kZAxis(0.0f, 0.0f, 1.0f);

} // namespace

LetterText::LetterText(const Point& start, const std::string& text, const Picture& picture, float startTime,
                       float speed, GameField* field, int mode)
    : FieldEffect("LetterText", speed, field)
    , _start(start)
    , _text(text)
    , _picture(picture)
{
    _drawPass = 3;
    _time = startTime * speed;
    SetupMode(mode);
    if (_picture.sprite)
        _picture.sprite->keepLoaded = true;
}

void LetterText::SetSound(const std::string& sound)
{
    _sound = sound;
    _soundPending = true;
}

void LetterText::SetupMode(int mode)
{
    _mode = mode;
    for (SplinePath<float>* curve : {&_scale, &_alpha, &_width, &_rotation, &_offsetX, &_offsetY})
        curve->Clear();
    switch (mode) {
    case 1:
        SetCurveKeys(_scale, {0.0f, 1.0f, 1.0f, 1.1f, 0.5f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_width, {1.0f, 1.0f});
        break;
    case 2:
        SetCurveKeys(_scale, {1.0f, 1.0f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 0.8f, 0.0f});
        SetCurveKeys(_width, {1.2f, 1.0f, 1.01f, 1.02f, 1.5f});
        break;
    case 3:
        SetCurveKeys(_scale, {1.0f, 1.1f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_width, {2.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.5f});
        break;
    case 4:
        SetCurveKeys(_scale, {0.7f, 1.0f, 1.0f, 1.1f, 0.5f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_width, {1.0f, 1.0f});
        break;
    case 5: {
        SetCurveKeys(_scale, {2.7f, 1.0f, 1.02f, 1.04f, 1.06f, 1.08f, 1.1f, 1.12f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_width, {1.0f, 1.0f});
        const float spinIn = RandomFloatRange(-200.0f, 200.0f);
        const float spinOut = RandomFloatRange(-200.0f, 200.0f);
        SetCurveKeys(_rotation, {spinIn, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, spinOut});
        break;
    }
    case 6:
        SetCurveKeys(_scale, {1.0f, 0.6f, 0.62f, 0.63f, 1.0f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_width, {1.3f, 1.0f, 1.0f, 1.0f, 1.3f});
        break;
    case 7:
        SetCurveKeys(_scale, {1.0f, 1.3f});
        SetCurveKeys(_alpha, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_width, {1.3f, 1.0f, 1.0f, 1.0f, 1.3f});
        break;
    case 8:
        SetCurveKeys(_scale, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f});
        SetCurveKeys(_alpha, {0.0f, 0.5f, 1.0f, 1.0f, 0.5f, 0.0f});
        SetCurveKeys(_width, {1.0f, 1.0f});
        SetCurveKeys(_offsetY, {0.0f, 5.0f, 8.0f}, CurveGradients::KeyValues);
        break;
    default:
        return;
    }
    if (_rotation.keys.empty())
        SetCurveKeys(_rotation, {0.0f, 0.0f});
    if (_offsetX.keys.empty())
        SetCurveKeys(_offsetX, {0.0f, 0.0f}, CurveGradients::KeyValues);
    if (_offsetY.keys.empty())
        SetCurveKeys(_offsetY, {0.0f, 0.0f}, CurveGradients::KeyValues);
}

void LetterText::Update(float dt)
{
    _time += dt * _speed;
    if (_soundPending && _time >= 0.0f) {
        _soundPending = false;
        g_sound.PlaySample(_sound);
    }
}

bool LetterText::IsFinished()
{
    if (_time < 1.0f && !_finished)
        return false;
    if (_mode == kLastingMode) {
        // Only its board's stop ends it, and then it tells nothing.
        return _finished;
    }
    if (!_messageSent && !_message.empty() && _field) {
        _messageSent = true;
        _field->AcceptMessage(Message(_message));
    }
    return true;
}

int LetterText::AlphaAt(float t) const
{
    return CurveAlpha(_alpha, t);
}

void LetterText::Draw()
{
    const float t = _time;
    // A picture that did not load and no text: nothing to show.
    if (t < 0.0f || t > 1.0f || _scale.keys.empty() || (!_picture.sprite && _text.empty()))
        return;
    const int a = AlphaAt(t);
    const float s = ScaleAt(t);
    const float w = WidthAt(t);
    const float r = _rotation.getGlobalFrame(t);
    const float x = _offsetX.getGlobalFrame(t);
    const float y = _offsetY.getGlobalFrame(t);
    g_renderDevice.PushMatrix();
    if (!_noShadow)
        DrawItem(s, w, a, r, x, y, true);
    DrawItem(s, w, a, r, x, y, false);
    g_renderDevice.PopMatrix();
    RestoreDrawState();
}

void LetterText::DrawItem(float s, float w, int a, float r, float x, float y, bool shadow)
{
    g_renderDevice.PushMatrix();
    const float startX = static_cast<float>(_start.x);
    const float startY = static_cast<float>(_start.y);
    if (shadow) {
        g_renderDevice.Translate(Vector3(x, y - 2.0f * (s + 5.0f), 0.0f));
        g_renderDevice.Translate(Vector3(startX, startY, 0.0f));
        g_renderDevice.Scale(1.2f * w * s, 1.2f * s / w, 1.0f);
    } else {
        g_renderDevice.Translate(Vector3(startX + x, startY + y, 0.0f));
        g_renderDevice.Scale(w * s, s / w, 1.0f);
    }
    g_renderDevice.Rotate(kZAxis, r);
    const Color colour = shadow ? Color(0, 0, 0, static_cast<std::uint8_t>(static_cast<float>(a) / (1.5f * s + 0.7f)))
                                : Color(static_cast<std::uint8_t>(a));
    if (_picture.sprite) {
        _picture.sprite->keepLoaded = true;
        if (shadow)
            _picture.sprite->BindAlphaOnly();
        else
            _picture.sprite->Bind();
        g_renderDevice.SetColor(colour);
        g_renderDevice.DrawRectUV(Rect(-_picture.width / 2, -_picture.height / 2, _picture.width, _picture.height),
                                  0.0f, 1.0f, _picture.vLow, _picture.vHigh);
    } else {
        if (shadow)
            g_renderDevice.SelectFontAlphaOnly(_font);
        else
            g_renderDevice.SelectFont(_font);
        g_renderDevice.SetColor(colour);
        g_renderDevice.DrawString(_textPoint.x, _textPoint.y, _text, 1.0f, 2, false);
    }
    g_renderDevice.PopMatrix();
}
