#pragma once

// A texture that knows the size of its picture and of the texture that holds
// it. Where the GL has non-power-of-two textures (OpenGL 2.0 and later) the
// two are the same; otherwise the picture sits at the bottom-left of a
// power-of-two texture padded with transparent black. Texture coordinates of
// a place in the picture come from U and V, never from a size assumed.

#include "engine/render/Rect.h"
#include "engine/render/Texture.h"
#include "engine/util/Point.h"

#include <memory>
#include <string>

class Sprite : public Texture {
public:
    Sprite();
    // Loads the picture; the creator uploads it next.
    explicit Sprite(const std::string& name);

    // Loads the picture (padded where textures must be powers of two; the
    // texture then keeps an alpha channel so that the padding stays
    // transparent).
    void Load(const std::string& name);
    // Sizes from the file's header only.
    void LoadInfo(const std::string& name);
    Rect GetRect() const { return Rect(0, 0, imageWidth, imageHeight); }

    // Binds nothing: the whole texture drawn with its bottom-left at p.
    void DrawAt(const Point& p) const;
    // Binds and draws so that the picture's top edge lies at p.y.
    void DrawFromTop(const Point& p) const;

    // Texture coordinates of a point x pixels from the picture's left edge,
    // y pixels from its bottom edge.
    float U(float x) const { return textureWidth > 0 ? x / static_cast<float>(textureWidth) : 0.0f; }
    float V(float y) const { return textureHeight > 0 ? y / static_cast<float>(textureHeight) : 0.0f; }
    // Those of the picture's right and top edges.
    float RightU() const { return U(static_cast<float>(imageWidth)); }
    float TopV() const { return V(static_cast<float>(imageHeight)); }

    int textureWidth = 0;
    int textureHeight = 0;
    int imageWidth = 0;
    int imageHeight = 0;
};

// Whether pictures are padded to power-of-two textures: only for a GL that
// has no non-power-of-two textures. Set when the device starts, before the
// pictures load.
void SetPicturesPaddedToPowerOfTwo(bool padded);
bool PicturesPaddedToPowerOfTwo();

// Deletes a sprite that its holder loaded for itself, and its device texture
// with it (after the device has shut down, only the sprite goes).
struct SpriteReleaser {
    void operator()(Sprite* sprite) const;
};
using OwnedSprite = std::unique_ptr<Sprite, SpriteReleaser>;

// The image file (by the image loader's name rules) as an uploaded sprite for
// the caller to keep, its alpha taken from the mask when one is given; null
// when the file gives no picture.
OwnedSprite LoadSpriteFile(const std::string& name, const ImageData* alphaMask = nullptr);

// A sprite placed at a fixed point.
struct PositionedSprite {
    int x = 0;
    int y = 0;
    Sprite* sprite = nullptr;

    // Binds the sprite and draws its whole texture at (x, y).
    void Draw() const;
};
