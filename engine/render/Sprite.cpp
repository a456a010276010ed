#include "engine/render/Sprite.h"

#include "engine/render/ImageLoader.h"
#include "engine/render/RenderDevice.h"

namespace {
bool g_padPictures = false;
} // namespace

void SetPicturesPaddedToPowerOfTwo(bool padded)
{
    g_padPictures = padded;
}

bool PicturesPaddedToPowerOfTwo()
{
    return g_padPictures;
}

Sprite::Sprite()
{
    image.kind = 1;
}

Sprite::Sprite(const std::string& name) : Sprite()
{
    Load(name);
}

void Sprite::Load(const std::string& name)
{
    image.Load(name);
    imageWidth = image.width;
    imageHeight = image.height;
    if (g_padPictures) {
        PadImageToPowerOfTwo(image);
        // The padding is transparent black: keep the alpha channel whatever
        // the file had (a JPEG itself has none).
        image.hasAlpha = true;
    } else {
        CheckTextureSize(image);
    }
    textureWidth = image.width;
    textureHeight = image.height;
    if (image.IsEmpty())
        imageWidth = imageHeight = 0;
}

void Sprite::LoadInfo(const std::string& name)
{
    ImageLoadRequest request{&image, name};
    ReadImageInfo(request);
    imageWidth = image.width;
    imageHeight = image.height;
    const bool empty = image.IsEmpty();
    textureWidth = empty ? 0 : g_padPictures ? PaddedImageSize(image.width) : image.width;
    textureHeight = empty ? 0 : g_padPictures ? PaddedImageSize(image.height) : image.height;
}

void Sprite::DrawAt(const Point& p) const
{
    g_renderDevice.DrawRect(p.x, p.y, textureWidth, textureHeight);
}

void Sprite::DrawFromTop(const Point& p) const
{
    Bind();
    g_renderDevice.DrawRect(p.x, p.y - imageHeight, textureWidth, textureHeight);
}

void SpriteReleaser::operator()(Sprite* sprite) const
{
    if (!sprite)
        return;
    if (RenderDevice::ContextLive())
        sprite->Release();
    delete sprite;
}

OwnedSprite LoadSpriteFile(const std::string& name, const ImageData* alphaMask)
{
    OwnedSprite sprite(new Sprite(name));
    if (sprite->image.IsEmpty())
        return nullptr;
    if (alphaMask)
        MergeAlphaMask(*alphaMask, sprite->image);
    sprite->Upload(true);
    return sprite;
}

void PositionedSprite::Draw() const
{
    if (!sprite)
        return;
    sprite->Bind();
    g_renderDevice.DrawRect(x, y, sprite->textureWidth, sprite->textureHeight);
}
