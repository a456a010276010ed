#pragma once

// A device texture and the record of the image it was made from. Upload
// takes the pixels from the global pixel buffer, where the last load left
// them. Destroying a texture never calls GL: the device frees what is still
// uploaded at shut-down.

#include "engine/render/ImageData.h"

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

    unsigned deviceTexture = 0;
    bool linearFilter = false;
    bool clampAddress = false;
    // Set by a holder that keeps a registered picture (the board's pictures):
    // the resource manager's group and id releases pass it by.
    bool keepLoaded = false;
    ImageData image;
};
