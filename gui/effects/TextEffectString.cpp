#include "gui/effects/TextEffectString.h"

#include "engine/render/RenderDevice.h"
#include "engine/sound/SoundSystemImpl.h"
#include "gui/FontAccess.h"
#include "gui/effects/EffectList.h"
#include "gui/effects/ParticleEffect.h"

#include <algorithm>
#include <array>

namespace {

// The glyphs of the string being drawn, recoloured for the reveal. One
// array for every string: drawing never allocates.
std::array<Vertex, TextEffectString::kMaxGlyphs * 6> g_glyphs;

std::uint32_t WhiteWithAlpha(int alpha)
{
    return (static_cast<std::uint32_t>(std::clamp(alpha, 0, 255)) << 24) | 0x00FFFFFFu;
}

void ColourGlyph(int glyph, std::uint32_t argb)
{
    for (int i = 0; i < 6; ++i)
        g_glyphs[static_cast<std::size_t>(glyph * 6 + i)].diffuse = argb;
}

float GlyphLeft(int glyph)
{
    return g_glyphs[static_cast<std::size_t>(glyph * 6)].x;
}

float GlyphRight(int glyph)
{
    return g_glyphs[static_cast<std::size_t>(glyph * 6 + 1)].x;
}

void Place(const EffectHandle& handle, float x, float y)
{
    if (ParticleEffect* effect = handle.Get()) {
        effect->posX = x;
        effect->posY = y;
    }
}

} // namespace

void TextEffectString::SetRightFlame(const std::string& name)
{
    _rightFlame = name;
    _hasRightFlame = true;
}

void TextEffectString::SetLeftFlame(const std::string& name)
{
    _leftFlame = name;
    _hasLeftFlame = true;
}

void TextEffectString::SetText(const std::string& text)
{
    _text = text;
    _width = static_cast<float>(FontTextWidth(_text, _font));
    _height = static_cast<float>(FontLineHeight(_font));
}

float TextEffectString::CenterX() const
{
    switch (_align) {
    case 0:
        return _x + _width * 0.5f;
    case 1:
        return _x - _width * 0.5f;
    default:
        return _x;
    }
}

float TextEffectString::LeftEdge() const
{
    switch (_align) {
    case 0:
        return _x;
    case 1:
        return _x - _width;
    default:
        return _x - _width * 0.5f;
    }
}

EffectHandle TextEffectString::StartEffect(const std::string& name, float x, float y)
{
    // A string that nobody shows starts nothing.
    if (!_owner)
        return EffectHandle();
    return _owner->AddWithHandle(name, x, y);
}

void TextEffectString::Update(float dt)
{
    if (!_enabled || _state == kEnded)
        return;
    // A string that stays for good keeps no clock.
    if (_state == kShown && _holdTime < 0.0f)
        return;
    _time += dt;
    switch (_state) {
    case kWaiting:
        if (_time >= _showTime) {
            _time = 0.0f;
            _state = kArriving;
            BeginArrival();
        }
        break;
    case kArriving:
        if (_time >= _startTime) {
            _time = 0.0f;
            EndArrival();
        }
        break;
    case kShown:
        if (_time >= _holdTime) {
            _time = 0.0f;
            _state = kTakenAway;
            if (_hasEndEffect)
                StartEffect(_endEffect, _x, _y);
        }
        break;
    case kTakenAway:
        if (_time >= _endTime) {
            _time = 0.0f;
            _state = kEnded;
        }
        break;
    default:
        break;
    }
}

void TextEffectString::BeginArrival()
{
    const float cx = CenterX();
    const float cy = CenterY();
    if (_hasStartEffect)
        StartEffect(_startEffect, cx, cy);
    if (_hasStartSound)
        g_sound.PlaySample(_startSound);
    // A reveal of no length shows the string at once, without flames.
    if (!(_startTime > 0.0f)) {
        EndArrival();
        return;
    }
    if (_startMode == kCenterBurn || _startMode == kRightBurn) {
        if (_hasRightFlame)
            _rightFlameEffect = StartEffect(_rightFlame, cx, cy);
        if (_hasLeftFlame)
            _leftFlameEffect = StartEffect(_leftFlame, cx, cy);
    }
}

void TextEffectString::EndArrival()
{
    StopFlames();
    _state = kShown;
    _done = true;
}

void TextEffectString::KillFlames()
{
    for (EffectHandle* flame : {&_rightFlameEffect, &_leftFlameEffect}) {
        if (ParticleEffect* effect = flame->Get())
            effect->_finished = true;
        *flame = EffectHandle();
    }
}

void TextEffectString::StopFlames()
{
    for (EffectHandle* flame : {&_rightFlameEffect, &_leftFlameEffect}) {
        if (ParticleEffect* effect = flame->Get())
            effect->Stop();
        *flame = EffectHandle();
    }
}

void TextEffectString::Finish()
{
    StopFlames();
    _state = kShown;
    _done = true;
    _time = 0.0f;
}

void TextEffectString::Reset()
{
    KillFlames();
    _state = kWaiting;
    _done = false;
    _time = 0.0f;
}

void TextEffectString::Draw()
{
    if (!_enabled || (_state != kArriving && _state != kShown))
        return;
    if (_state == kArriving && _startMode == kSilent)
        return;
    RenderDevice& device = g_renderDevice;
    device.SelectFont(_font);
    if (!device.CurrentFont())
        return;

    const bool arriving = _state == kArriving;
    float progress = 1.0f;
    if (arriving && _startTime > 0.0f)
        progress = std::clamp(_time / _startTime, 0.0f, 1.0f);
    const bool boom = arriving && _startMode == kStringBoom;
    if (boom)
        device.SetColor(Color(static_cast<std::uint8_t>(static_cast<int>(progress * 255.0f))));

    device.LayoutText(_text);
    const int laidOut = device.GlyphCount();
    const int n = std::min(laidOut, kMaxGlyphs);
    const std::vector<Vertex>& laid = device.GlyphVertices();
    std::copy(laid.begin(), laid.begin() + n * 6, g_glyphs.begin());
    // A cut string is aligned as it is drawn.
    const int width = n < laidOut ? static_cast<int>(GlyphRight(n - 1)) : device.LaidOutWidth();

    if (arriving && n > 0 && (_startMode == kRightBurn || _startMode == kCenterBurn) && progress < 1.0f)
        DrawBurn(progress);

    device.PushMatrix();
    device.Translate(Vector3(static_cast<float>(static_cast<int>(_x)), static_cast<float>(static_cast<int>(_y)), 0.0f));
    if (_align == 1)
        device.Translate(Vector3(-static_cast<float>(width), 0.0f, 0.0f));
    else if (_align == 2)
        device.Translate(Vector3(-static_cast<float>(width / 2), 0.0f, 0.0f));
    if (n > 0)
        device.Gl().DrawTriangleList(g_glyphs.data(), static_cast<unsigned>(n) * 2u);
    device.PopMatrix();
    if (boom)
        device.ResetColor();
}

void TextEffectString::DrawBurn(float p)
{
    const int n = std::min(g_renderDevice.GlyphCount(), kMaxGlyphs);
    const float left = LeftEdge();
    const float y = CenterY();
    const int half = n / 2;
    if (_startMode == kRightBurn || half == 0) {
        // Left to right: a glyph with too few neighbours for a middle
        // burns the same way.
        const int k = static_cast<int>(p * static_cast<float>(n));
        const float f = (p - static_cast<float>(k) / static_cast<float>(n)) * static_cast<float>(n);
        for (int i = 0; i < n; ++i)
            ColourGlyph(i, WhiteWithAlpha(i < k ? 255 : (i == k ? static_cast<int>(f * 255.0f) : 0)));
        const float gx0 = GlyphLeft(k), gx1 = GlyphRight(k);
        Place(_rightFlameEffect, left + gx0 + (gx1 - gx0) * f, y);
        return;
    }
    // From the middle outward; with an odd count the last glyph waits.
    const int k = static_cast<int>(p * static_cast<float>(half));
    const float f = (p - static_cast<float>(k) / static_cast<float>(half)) * static_cast<float>(half);
    const int right = half + k;
    const int leftGlyph = half - k - 1;
    for (int i = 0; i < n; ++i) {
        int alpha = 0;
        if (i >= half - k && i < half + k)
            alpha = 255;
        else if (i == right || i == leftGlyph)
            alpha = static_cast<int>(f * 255.0f);
        ColourGlyph(i, WhiteWithAlpha(alpha));
    }
    Place(_rightFlameEffect, left + GlyphLeft(right) + (GlyphRight(right) - GlyphLeft(right)) * f, y);
    Place(_leftFlameEffect, left + GlyphRight(leftGlyph) - (GlyphRight(leftGlyph) - GlyphLeft(leftGlyph)) * f, y);
}
