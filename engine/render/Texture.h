#pragma once

// A device texture and the record of the image it was made from. Upload
// takes the pixels from the global pixel buffer, where the last load left
// them. Destroying a texture never calls GL: the device frees what is still
// uploaded at shut-down.

#include "engine/backend/TextureAddress.h"
#include "engine/render/ImageData.h"
#include "engine/render/TextureCoverage.h"

class Texture {
public:
    Texture() = default;
    virtual ~Texture() = default;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Creates the device texture from the pixel buffer; with freePixels the
    // image's own pixel buffer is freed afterwards.
    void Upload(bool freePixels);
    // Colour and alpha from texture x vertex colour.
    void Bind() const;
    // Colour from the vertex, alpha from texture x vertex colour.
    void BindAlphaOnly() const;
    // Frees the device texture; the image record keeps its size.
    void Release();

    // The address mode by its number (1 wrap, 2 mirror, 3 clamp), taken at
    // the next bind; any other number is refused (false) with a log line and
    // leaves the mode as it was.
    bool SetAddressMode(int mode);

    unsigned deviceTexture = 0;
    bool linearFilter = false;
    backend::TextureAddress addressMode = backend::TextureAddress::Wrap;
    // Set by a holder that keeps a registered picture (the board's pictures):
    // the resource manager's group and id releases pass it by.
    bool keepLoaded = false;
    ImageData image;
    // Where its texels show, measured from the pixels it was uploaded from.
    TextureCoverage coverage;
};
