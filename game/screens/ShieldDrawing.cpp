// The shield screen's drawing passes, in the order Shield::Draw runs them.
// Screen space, y upward; every pass leaves the colour opaque white and the
// blend normal.

#include "game/screens/Shield.h"

#include "engine/render/DrawRoutines.h"
#include "engine/render/RenderDevice.h"
#include "engine/util/Random.h"
#include "gui/FontAccess.h"
#include "gui/effects/ParticleEffect.h"
#include "gui/widgets/WidgetServices.h"

#include <algorithm>
#include <cmath>

namespace {

const int kBlendNormal = 1;
const int kBlendAdditive = 2;
const float kPi = 3.14159265f;
const Vector3 kRayCentre(568.0f, 375.0f, 0.0f);
// One repeat of the lightning strip's texture, in points.
const float kBoltRepeat = 128.0f;

RenderDevice& Device()
{
    return g_renderDevice;
}

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

Color White(int alpha)
{
    return Color(255, 255, 255, Byte(alpha));
}

// An untextured rectangle over the whole screen.
void DrawBlack(int alpha)
{
    if (alpha <= 0)
        return;
    Device().EnableTexture(false);
    Device().SetColor(Color(0, 0, 0, Byte(alpha)));
    Device().DrawRect(0, 0, 800, 600);
    Device().EnableTexture(true);
    Device().ResetColor();
}

// A square of that side centred on p.
void DrawSquare(const Vector3& p, int side)
{
    const int x = static_cast<int>(p.x) - side / 2;
    const int y = static_cast<int>(p.y) - side / 2;
    Device().DrawRect(x, y, side, side);
}

float Distance(const Vector3& a, const Vector3& b)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace

void Shield::Draw()
{
    DrawGems();
    DrawVeil();
    DrawGemLights();
    DrawPathLights();
    if (accepting && acceptProgress < 1.0f)
        gemRay.Draw();
    if (highlightEnabled)
        DrawParchment();
    DrawFadeIn();
    DrawArtefactPicture();
    DrawCentralRays();
}

void Shield::DrawGems()
{
    for (const ShieldGem& gem : gems) {
        if (!gem.sprite || gem.alpha <= 0 || gem.textureWidth <= 0 || gem.textureHeight <= 0)
            continue;
        Device().SetColor(White(gem.alpha));
        gem.sprite->Bind();
        Device().DrawRectPartial(gem.x, gem.y, gem.width, gem.height,
                                 static_cast<float>(gem.width) / static_cast<float>(gem.textureWidth),
                                 static_cast<float>(gem.height) / static_cast<float>(gem.textureHeight));
    }
    Device().ResetColor();
}

void Shield::DrawVeil()
{
    DrawBlack(overlayAlpha);
}

void Shield::DrawGemLights()
{
    stagesReached = StagesFromProgress();
    Device().SetBlendMode(kBlendAdditive);
    for (std::size_t k = 0; k < lights.size() && static_cast<int>(k) + 1 < stagesReached; ++k) {
        const GemLight& light = lights[k];
        if (!light.sprite)
            continue;
        const int v = std::clamp(static_cast<int>(light.pulse.getGlobalFrame(light.phase)), 0, 127);
        const int alpha = 2 * v * gems[k].alpha / 255;
        const int red = static_cast<int>(static_cast<float>(light.r) + 5.0f * std::sin(19.0f * clock + 2.0f));
        const int green = static_cast<int>(static_cast<float>(light.g) + 5.0f * std::sin(27.0f * clock));
        const int blue = static_cast<int>(static_cast<float>(light.b) + 5.0f * std::sin(23.3f * clock + 1.0f));
        Device().SetColor(Color(Byte(red), Byte(green), Byte(blue), Byte(alpha)));
        light.sprite->Bind();
        Device().DrawRect(light.x, light.y, light.width, light.height);
    }
    Device().SetBlendMode(kBlendNormal);
    Device().ResetColor();
}

void Shield::DrawPathLights()
{
    // Each pair of lights keeps its own mark of being in the band, so that
    // the sample sounds once as that pair enters it.
    const std::size_t count = paths.size();
    lightningSounding.resize(count * count, false);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j = i + 1; j < count; ++j) {
            std::vector<bool>::reference sounding = lightningSounding[i * count + j];
            if (!paths[i].running || !paths[j].running) {
                sounding = false;
                continue;
            }
            const Vector3& a = paths[i].position;
            const Vector3& b = paths[j].position;
            const float d = Distance(a, b);
            const float lower = 40.0f + 20.0f * std::sin(3.5f * clock + 2.0f);
            const float upper = 90.0f + 30.0f * std::sin(2.7f * clock);
            if (d > lower && d < upper) {
                if (!sounding)
                    PlayWidgetSample("ShieldWonder");
                sounding = true;
                if (static_cast<float>(RandomInt()) * 0.0030518204f < 80.0f)
                    DrawLightning(a, b);
            } else {
                sounding = false;
            }
        }
    }
    if (lightSprite) {
        Device().SetBlendMode(kBlendAdditive);
        lightSprite->Bind();
        for (const ShieldLightPath& path : paths) {
            if (!path.running)
                continue;
            const int flicker = static_cast<int>(static_cast<float>(RandomInt()) * 3.051851e-5f * 3.999f) + 6;
            Device().SetColor(White(static_cast<int>(255.0f * path.fade) * 3 / 5));
            DrawSquare(path.position, static_cast<int>(static_cast<float>(flicker) * (2.0f - path.fade)));
            Device().SetColor(White(static_cast<int>(static_cast<float>(path.glowAlpha) * path.fade) * 4 / 5));
            DrawSquare(path.position, path.glowSize);
        }
        Device().SetBlendMode(kBlendNormal);
    }
    Device().ResetColor();
}

void Shield::DrawLightning(const Vector3& from, const Vector3& to)
{
    if (!flash)
        return;
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0.0f))
        return;
    float degrees = dx != 0.0f ? std::atan(dy / dx) * 180.0f / kPi : (dy > 0.0f ? 90.0f : -90.0f);
    if (dx < 0.0f)
        degrees += 180.0f;
    RenderDevice& device = Device();
    device.SetBlendMode(kBlendAdditive);
    device.PushMatrix();
    device.Translate(from);
    device.Rotate(Vector3(0.0f, 0.0f, 1.0f), degrees);
    device.SetColor(Color(Byte(static_cast<int>(191.0f + 64.0f * std::sin(2.0f * clock))),
                          Byte(static_cast<int>(128.0f + 64.0f * std::sin(1.5f * clock + 1.0f))),
                          Byte(static_cast<int>(128.0f + 64.0f * std::sin(2.3f * clock + 3.0f))), 255));
    flash->Bind();
    // Quads laid end to end along x, the texture repeating every 128
    // points from lightningOffset on; 16 wide at the bolt's ends, 32 between.
    float x = 0.0f;
    float u = lightningOffset;
    while (x < length) {
        const float step = std::min((1.0f - u) * kBoltRepeat, length - x);
        const float next = x + step;
        const float uNext = u + step / kBoltRepeat;
        const float h0 = x <= 0.0f ? 8.0f : 16.0f;
        const float h1 = next >= length ? 8.0f : 16.0f;
        device.DrawQuadUV(Vector3(x, -h0, 0.0f), Vector3(next, -h1, 0.0f), Vector3(x, h0, 0.0f),
                          Vector3(next, h1, 0.0f), u, uNext, 0.0f, 1.0f);
        x = next;
        u = 0.0f;
        if (step <= 0.0f)
            break;
    }
    device.PopMatrix();
    device.SetBlendMode(kBlendNormal);
    device.ResetColor();
}

void Shield::DrawParchment()
{
    int index = -1;
    int alpha = 255;
    if (takenSlot >= 0) {
        index = takenSlot;
    } else {
        index = hover >= 0 ? hover : shownHover;
        alpha = static_cast<int>(highlightAlpha);
    }
    if (index < 0 || index >= kGems)
        return;
    const Point& anchor = artAnchors[static_cast<std::size_t>(index)];
    const int left = std::max(anchor.x - 50, -22);
    const int bottom = anchor.y - 210;
    if (pergament) {
        Device().SetColor(White(alpha));
        pergament->Bind();
        Device().DrawRectUV(Rect(left, bottom, 330, 512), 0.0f, pergament->RightU(), 0.0f, pergament->TopV());
        Device().ResetColor();
    }
    if (const TextBlock* text = artTexts.Find(index)) {
        TextBlock shown = *text;
        shown.SetColor(White(alpha));
        DrawTextRuns(Point(left + 165, bottom + 200), shown);
    }
    Device().ResetColor();
}

void Shield::DrawFadeIn()
{
    if (fadingIn)
        DrawBlack(255 - static_cast<int>(255.0f * fadeIn));
}

void Shield::DrawArtefactPicture()
{
    int index = -1;
    int alpha = 255;
    if (takenSlot == -1) {
        index = hover >= 0 ? hover : shownHover;
        alpha = static_cast<int>(highlightAlpha) * 3 / 4;
    } else if (takenSlot >= 0) {
        index = takenSlot;
    }
    if (index < 0 || index >= kGems)
        return;
    // A picture the catalogue does not have (or could not load) is not drawn.
    Artefact* artefact = _artefacts.Find(index);
    if (!artefact || artefact->full.deviceTexture == 0)
        return;
    Device().SetColor(White(alpha));
    artefact->DrawFull(artAnchors[static_cast<std::size_t>(index)]);
    Device().ResetColor();
}

void Shield::DrawCentralRays()
{
    const Color c = LerpColor(LightColor(rayPrevLight), LightColor(rayNextLight), rayPhase);
    if (ParticleEffect* glow = fullRayGlow.Get())
        glow->SetTint(static_cast<float>(c.r) / 255.0f, static_cast<float>(c.g) / 255.0f,
                      static_cast<float>(c.b) / 255.0f);
    const int alpha = static_cast<int>(180.0f * rayGlowFade);
    if (alpha <= 0)
        return;
    struct Band {
        const Sprite* texture;
        float speed;
        float repeat;
        float halfWidth;
    };
    const Band bands[] = {{rayTexture.get(), -4.0f, 0.6f, 20.0f},
                          {rayTexture2.get(), -4.0f, 0.4f, 35.0f},
                          {rayTexture2.get(), -3.0f, 0.4f, 40.0f},
                          {rayTexture2.get(), -2.0f, 0.4f, 37.0f}};
    const float scaled = 0.1f * clock;
    const float u = scaled - std::floor(scaled);
    RenderDevice& device = Device();
    device.SetBlendMode(kBlendAdditive);
    device.PushMatrix();
    device.Translate(kRayCentre);
    device.Rotate(Vector3(0.0f, 0.0f, 1.0f), 90.0f);
    for (std::size_t i = 0; i < 4; ++i) {
        const Band& band = bands[i];
        if (!band.texture)
            continue;
        device.SetColor(i == 0 ? Color(Byte(c.r / 2), Byte(c.g / 2), Byte(c.b / 2), Byte(alpha)) : White(alpha));
        band.texture->Bind();
        DrawScrollingBand(u, band.speed, band.repeat, band.halfWidth, 250.0f);
    }
    device.PopMatrix();
    device.SetBlendMode(kBlendNormal);
    device.ResetColor();
}
