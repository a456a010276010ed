#include "game/state/Artefact.h"

#include "engine/render/RenderDevice.h"

const Color kArtefactPalette[10] = {
    Color(50, 50, 150, 255),  Color(50, 150, 150, 255), Color(150, 150, 50, 255), Color(250, 50, 50, 255),
    Color(250, 50, 150, 255), Color(250, 150, 50, 255), Color(150, 250, 50, 255), Color(50, 250, 50, 255),
    Color(50, 150, 150, 255), Color(150, 50, 50, 255),
};

namespace {

constexpr float kLayerStep = 0.06666667f;

void LoadAndUpload(Texture& texture, const std::string& name)
{
    texture.image.Load(name);
    texture.linearFilter = true;
    texture.Upload(true);
}

int Channel(int a, int b, float f)
{
    return a + static_cast<int>(static_cast<float>(b - a) * f);
}

} // namespace

Artefact::Artefact()
{
    full.linearFilter = true;
}

ArtefactElement* Artefact::Element(int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= elements.size())
        return nullptr;
    return &elements[static_cast<std::size_t>(i)];
}

void Artefact::UploadTexture()
{
    LoadAndUpload(full, FullPictureName());
}

void Artefact::ReleaseTexture()
{
    full.Release();
}

void Artefact::UploadElements()
{
    if (elementsUploaded)
        return;
    int n = 1;
    for (ArtefactElement& element : elements)
        LoadAndUpload(element.texture, ElementPictureName(n++));
    elementsUploaded = true;
}

void Artefact::ReleaseElements()
{
    if (!elementsUploaded)
        return;
    for (ArtefactElement& element : elements)
        element.texture.Release();
    elementsUploaded = false;
}

void Artefact::DrawFull(const Point& p)
{
    // A picture not uploaded draws nothing (no white square).
    if (full.deviceTexture == 0)
        return;
    full.Bind();
    g_renderDevice.DrawRect(static_cast<int>(p.x), static_cast<int>(p.y), 256, 256);
}

void Artefact::DrawElement(int i, int x, int y)
{
    ArtefactElement* element = Element(i);
    if (!element || element->texture.deviceTexture == 0)
        return;
    element->texture.Bind();
    g_renderDevice.DrawRect(x, y, 64, 64);
}

void Artefact::DrawElementHighlighted(int i, int x, int y)
{
    ArtefactElement* element = Element(i);
    if (!element || element->texture.deviceTexture == 0)
        return;
    element->texture.BindAlphaOnly();
    g_renderDevice.DrawRect(x, y, 64, 64);
}

void Artefact::DrawElementAt(int i, const Point& base)
{
    const ArtefactElement* element = Element(i);
    if (!element)
        return;
    DrawElement(i, static_cast<int>(base.x) + element->x, static_cast<int>(base.y) + element->y);
}

ArtefactGlowLayer Artefact::GlowLayer(int j, float g, float x, float y, float t, int alpha, float dx, float dy, int w,
                                      int h)
{
    const float p = (1.0f - t) * 10.0f;
    const int k0 = static_cast<int>(p);
    const float f = p - static_cast<float>(k0);
    const int k = ((k0 + j) % 10 + 10) % 10;
    const Color& a = kArtefactPalette[k];
    const Color& b = kArtefactPalette[(k + 1) % 10];
    ArtefactGlowLayer layer;
    layer.color = Color(static_cast<std::uint8_t>(Channel(a.r, b.r, f)), static_cast<std::uint8_t>(Channel(a.g, b.g, f)),
                        static_cast<std::uint8_t>(Channel(a.b, b.b, f)), 255);
    // The single-precision step with the product kept wide: each layer's
    // alpha falls just below a whole number (255, 237, ..., 33, 16).
    layer.alpha = static_cast<int>((1.0 - static_cast<double>(j) * static_cast<double>(kLayerStep)) * alpha);
    layer.skipped = (layer.alpha & 0xFF) == 0;
    const float q = 64.0f / (g + 64.0f);
    const float A = 34.0f - static_cast<float>(w) / 2.0f;
    const float B = 34.0f - static_cast<float>(h) / 2.0f;
    layer.side = 64.0f + 2.0f * g;
    layer.x = x - g + 2.0f * (A - q * A) + static_cast<float>(j) * dx * kLayerStep;
    layer.y = y - g + 2.0f * (B - q * B) + static_cast<float>(j) * dy * kLayerStep;
    return layer;
}

void Artefact::DrawElementGlowing(int i, float x, float y, float t, int alpha, float growth, float dx, float dy)
{
    ArtefactElement* element = Element(i);
    if (!element || element->texture.deviceTexture == 0)
        return;
    element->texture.Bind();
    g_renderDevice.SetBlendMode(2);
    float g = 1.0f;
    for (int j = 0; j < 15; ++j) {
        const ArtefactGlowLayer layer = GlowLayer(j, g, x, y, t, alpha, dx, dy, element->width, element->height);
        if (!layer.skipped) {
            g_renderDevice.SetColor(Color(layer.color.r, layer.color.g, layer.color.b,
                                          static_cast<std::uint8_t>(layer.alpha & 0xFF)));
            const float right = layer.x + layer.side;
            const float top = layer.y + layer.side;
            g_renderDevice.DrawQuadUV(Vector3(layer.x, layer.y, 0.0f), Vector3(right, layer.y, 0.0f),
                                      Vector3(layer.x, top, 0.0f), Vector3(right, top, 0.0f), 0.0f, 1.0f, 0.0f, 1.0f);
        }
        g = static_cast<float>(j) * growth + 1.0f;
    }
    g_renderDevice.SetBlendMode(1);
    g_renderDevice.ResetColor();
}
