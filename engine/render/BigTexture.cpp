#include "engine/render/BigTexture.h"

#include "engine/render/ImageBuffers.h"
#include "engine/render/ImageLoader.h"
#include "engine/render/RenderDevice.h"
#include "engine/render/Sprite.h"

#include <algorithm>
#include <cstring>

BigTexture::BigTexture(const std::string& name)
{
    Split(name);
}

void BigTexture::Split(const std::string& name)
{
    Release();
    rows = columns = 0;
    Texture picture;
    picture.image.Load(name);
    const ImageData& image = picture.image;
    if (image.IsEmpty() || chunkWidth <= 0 || chunkHeight <= 0)
        return;
    const int width = image.width, height = image.height;
    const int bytesPerPixel = 4;
    const int cols = width / chunkWidth + (width % chunkWidth ? 1 : 0);
    const int rws = height / chunkHeight + (height % chunkHeight ? 1 : 0);
    const bool padded = PicturesPaddedToPowerOfTwo();
    const long long paddedWidth = padded ? static_cast<long long>(cols) * chunkWidth : width;
    const long long paddedHeight = padded ? static_cast<long long>(rws) * chunkHeight : height;
    if (!FitsImageBuffer(paddedWidth, paddedHeight)) {
        LogImageError("Can't split " + name + ": its canvas of " + std::to_string(paddedWidth) + " x " +
                      std::to_string(paddedHeight) + " does not fit the image buffer.");
        return;
    }
    columns = cols;
    rows = rws;
    const std::size_t paddedRowBytes = static_cast<std::size_t>(paddedWidth) * bytesPerPixel;
    if (paddedWidth > width || paddedHeight > height) {
        const std::size_t rowBytes = static_cast<std::size_t>(width) * bytesPerPixel;
        std::memcpy(g_scratchBuffer, g_pixelBuffer, rowBytes * height);
        std::memset(g_pixelBuffer, 0, paddedRowBytes * paddedHeight);
        for (int r = 0; r < height; ++r)
            std::memcpy(g_pixelBuffer + r * paddedRowBytes, g_scratchBuffer + r * rowBytes, rowBytes);
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            Chunk chunk;
            chunk.width = static_cast<int>(std::min<long long>(chunkWidth, paddedWidth - c * chunkWidth));
            chunk.height = static_cast<int>(std::min<long long>(chunkHeight, paddedHeight - r * chunkHeight));
            const std::size_t chunkRowBytes = static_cast<std::size_t>(chunk.width) * bytesPerPixel;
            chunk.texture = std::make_unique<Texture>();
            ImageData& part = chunk.texture->image;
            part.width = chunk.width;
            part.height = chunk.height;
            part.bytesPerPixel = bytesPerPixel;
            part.hasAlpha = image.hasAlpha;
            part.pixels = new unsigned char[chunkRowBytes * chunkHeight];
            part.ownsPixels = true;
            for (int k = 0; k < chunk.height; ++k) {
                const std::size_t sourceRow = static_cast<std::size_t>(r) * chunkHeight + k;
                std::memcpy(part.pixels + k * chunkRowBytes,
                            g_pixelBuffer + sourceRow * paddedRowBytes +
                                static_cast<std::size_t>(c) * chunkWidth * bytesPerPixel,
                            chunkRowBytes);
            }
            chunk.x = chunkWidth * c;
            chunk.y = chunkHeight * r;
            chunks.push_back(std::move(chunk));
        }
    }
}

void BigTexture::Upload()
{
    for (Chunk& chunk : chunks) {
        ImageData& part = chunk.texture->image;
        if (!part.pixels)
            continue;
        std::memcpy(g_pixelBuffer, part.pixels, static_cast<std::size_t>(part.width) * part.height * 4);
        chunk.texture->Upload(true);
    }
}

void BigTexture::Draw(int x, int y) const
{
    for (const Chunk& chunk : chunks) {
        chunk.texture->Bind();
        g_renderDevice.DrawRect(x + chunk.x, y + chunk.y, chunk.width, chunk.height);
    }
}

void BigTexture::Release()
{
    for (Chunk& chunk : chunks)
        chunk.texture->Release();
    chunks.clear();
}
