#include "gui/scenes/ArtefactLayerObject.h"

#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"
#include "engine/resources/ResourceManager.h"
#include "engine/util/MathFunctions.h"
#include "game/state/CountryNames.h"
#include "gui/scenes/SceneArtefacts.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct CountryPlacement {
    float shift;
    float bgX;
    float bgY;
};

const CountryPlacement kPlacements[ArtefactLayerObject::kCountries] = {
    {0, 27, 271}, {10, 16, 289}, {12, 10, 280}, {0, 25, 295}, {10, 12, 275}, {0, 25, 293}, {10, 12, 283},
};

// The country number at the start of a command, when there is one in range.
bool ParseCountry(const std::string& command, int& country)
{
    const char* begin = command.c_str();
    char* end = nullptr;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || value < 0 || value >= ArtefactLayerObject::kCountries)
        return false;
    country = static_cast<int>(value);
    return true;
}

} // namespace

ArtefactLayerObject::ArtefactLayerObject()
{
    BuildPiecePaths();
}

void ArtefactLayerObject::NewShakeTarget()
{
    shakeFrom = shakeTo;
    shakeTo.x = RandomFloatRange(-2.0f, 2.0f);
    shakeTo.y = RandomFloatRange(-2.0f, 2.0f);
    shakeTime = 0.0f;
    shakeInterval = RandomFloatRange(0.03f, 0.1f);
}

void ArtefactLayerObject::BuildPiecePaths()
{
    shaking = false;
    NewShakeTarget();
    shakeFrom = ShakeOffset();
    const std::vector<SceneArtefactPiece> pieces = SceneArtefacts::Pieces(country);
    paths.assign(pieces.size(), PiecePath());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        PiecePath& path = paths[i];
        const float px = static_cast<float>(pieces[i].x);
        const float py = static_cast<float>(pieces[i].y);
        path.random = RandomFloatRange(0.0f, 0.1f);
        path.x.addKey(px);
        path.y.addKey(py);
        path.angle.addKey(0.0f);
        path.scale.addKey(1.0f);
        for (int k = 0; k < 4; ++k) {
            path.x.addKey(px + RandomFloatRange(-2.0f, 2.0f));
            path.y.addKey(py + RandomFloatRange(-2.0f, 2.0f));
            path.angle.addKey(RandomFloatRange(-2.0f, 2.0f));
            path.scale.addKey(1.0f);
        }
        const float fall = RandomFloatRange(-30.0f, -50.0f);
        const float spin = RandomFloatRange(-120.0f, 120.0f);
        for (int k = 0; k < 5; ++k) {
            const float fk = static_cast<float>(k);
            path.x.addKey(px + RandomFloatRange(-10.0f, 10.0f));
            path.y.addKey(py + (fk + 1.0f) * fall);
            path.angle.addKey(fk * spin);
            path.scale.addKey(1.0f + 0.1f * fk);
        }
        path.x.CalculateGradient(false);
        path.y.CalculateGradient(false);
        path.angle.CalculateGradient(false);
        path.scale.CalculateGradient(false);
    }
}

void ArtefactLayerObject::Do(const std::string& command)
{
    int newCountry = 0;
    if (!ParseCountry(command, newCountry))
        return;
    country = newCountry;
    background = g_resourceManager.GetTexture("#" + g_countryNames[country] + "BG");
    if (background)
        background->linearFilter = true;
    x = 0.0f;
    BuildPiecePaths();
}

void ArtefactLayerObject::Update(float dt)
{
    if (!shaking)
        return;
    shakeTime += dt;
    if (shakeTime >= shakeInterval)
        NewShakeTarget();
}

void ArtefactLayerObject::UploadResources()
{
    g_resourceManager.UploadResource(g_countryNames[country] + "BG");
    SceneArtefacts::UploadPieces(country);
}

void ArtefactLayerObject::ReleaseResources()
{
    g_resourceManager.ReleaseResource(g_countryNames[country] + "BG");
    SceneArtefacts::ReleasePieces(country);
}

ArtefactLayerObject::ShakeOffset ArtefactLayerObject::CurrentShake() const
{
    const float f = shakeInterval > 0.0f ? shakeTime / shakeInterval : 0.0f;
    return ShakeOffset{lerp(shakeFrom.x, shakeTo.x, f), lerp(shakeFrom.y, shakeTo.y, f)};
}

float ArtefactLayerObject::PieceProgress(float t, int piece, int pieceCount)
{
    const float u = (t - 0.5f) * 2.0f;
    const float begin = 0.5f - 0.5f * static_cast<float>(piece + 1) / static_cast<float>(pieceCount);
    if (u <= begin)
        return 0.0f;
    return std::min((u - begin) * 3.0f, 1.0f);
}

void ArtefactLayerObject::Draw()
{
    RenderDevice& device = g_renderDevice;
    const float t = std::min(x, 1.0f);
    const CountryPlacement& place = kPlacements[country];
    device.PushMatrix();
    device.Translate(Vector3(-place.shift, 0.0f, 0.0f));
    if (t < 0.15f) {
        const float e = ease(t / 0.15f, 0.3f, 0.3f);
        device.Translate(Vector3(300.0f * e - 300.0f, 256.0f * e - 256.0f, 0.0f));
        device.ScaleUniform(3.0f - 2.0f * e);
    }
    if (shaking) {
        const ShakeOffset offset = CurrentShake();
        device.Translate(Vector3(offset.x, offset.y, 0.0f));
    }
    if (background) {
        background->Bind();
        device.DrawRectInset(22.0f - place.bgX, -3.0f - place.bgY, static_cast<float>(background->textureWidth),
                             static_cast<float>(background->textureHeight), 0.0f);
    }
    device.Translate(Vector3(22.0f, -3.0f, 0.0f));
    if (t < 0.15f) {
        SceneArtefacts::DrawFull(country, 0.0f, 0.0f);
    } else if (t < 0.5f) {
        if (!shaking) {
            shaking = true;
            NewShakeTarget();
            shakeFrom = ShakeOffset();
        }
        const float alpha = 1.0f - (t - 0.15f) / 0.35f;
        device.SetAlpha(static_cast<std::uint8_t>(static_cast<int>(alpha * 255.0f)));
        SceneArtefacts::DrawFull(country, 0.0f, 0.0f);
        device.ResetColor();
    } else {
        shaking = false;
        DrawPieces(t);
    }
    device.PopMatrix();
    device.ResetColor();
}

void ArtefactLayerObject::DrawPieces(float t)
{
    RenderDevice& device = g_renderDevice;
    const std::vector<SceneArtefactPiece> pieces = SceneArtefacts::Pieces(country);
    const int count = static_cast<int>(std::min(pieces.size(), paths.size()));
    for (int i = 0; i < count; ++i) {
        const float p = PieceProgress(t, i, count);
        const float fade = p <= 0.7f ? 0.0f : (p - 0.7f) * 3.3333f;
        if (!SceneArtefacts::BindPiece(country, i))
            continue;
        const PiecePath& path = paths[static_cast<std::size_t>(i)];
        const int halfW = pieces[static_cast<std::size_t>(i)].width / 2;
        const int halfH = pieces[static_cast<std::size_t>(i)].height / 2;
        device.PushMatrix();
        device.Translate(Vector3(path.x.getGlobalFrame(p) + static_cast<float>(halfW) / 2.0f,
                                 path.y.getGlobalFrame(p) + static_cast<float>(halfH) / 2.0f, 0.0f));
        device.ScaleUniform(path.scale.getGlobalFrame(p));
        device.Rotate(Vector3(0.0f, 0.0f, 1.0f), path.angle.getGlobalFrame(p));
        device.SetAlpha(static_cast<std::uint8_t>(std::clamp(255 - static_cast<int>(fade * 255.0f), 0, 255)));
        device.DrawRectInset(-static_cast<float>(halfW) / 2.0f, -static_cast<float>(halfH) / 2.0f, 64.0f, 64.0f, 0.0f);
        device.PopMatrix();
    }
    device.ResetColor();
}
