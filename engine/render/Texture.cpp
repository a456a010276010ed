#include "engine/render/Texture.h"

#include "engine/platform/HtmlLog.h"
#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"
#include "engine/render/RenderDevice.h"

#include <string>

void Texture::Upload(bool freePixels)
{
    g_renderDevice.CreateTexture(*this);
    coverage = deviceTexture ? MeasureCoverage(g_pixelBuffer, image.width, image.height, image.hasAlpha)
                             : TextureCoverage();
    if (freePixels && image.ownsPixels)
        FreeImageBuffer(image);
}

void Texture::Bind() const
{
    g_renderDevice.BindTexture(*this);
}

void Texture::BindAlphaOnly() const
{
    g_renderDevice.BindTextureAlphaOnly(*this);
}

void Texture::Release()
{
    g_renderDevice.ReleaseTexture(*this);
}

bool Texture::SetAddressMode(int mode)
{
    switch (mode) {
    case 1:
        addressMode = backend::TextureAddress::Wrap;
        return true;
    case 2:
        addressMode = backend::TextureAddress::Mirror;
        return true;
    case 3:
        addressMode = backend::TextureAddress::Clamp;
        return true;
    default:
        LogError("Texture error", "The address mode " + std::to_string(mode) +
                                      " is none of 1 (wrap), 2 (mirror) and 3 (clamp); the texture keeps its mode.");
        return false;
    }
}
