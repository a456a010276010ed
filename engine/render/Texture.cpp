#include "engine/render/Texture.h"

#include "engine/render/ImageLoader.h"
#include "engine/render/RenderDevice.h"

void Texture::Upload(bool freePixels)
{
    g_renderDevice.CreateTexture(*this);
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
