#pragma once

// A texture that knows the size of its picture inside the power-of-two
// texture; the picture sits at the bottom-left.

#include "engine/render/Rect.h"
#include "engine/render/Texture.h"
#include "engine/util/Point.h"

#include <memory>
#include <string>

class Sprite : public Texture {
public:
    Sprite();
    // Loads and pads the picture; the creator uploads it next.
    explicit Sprite(const std::string& name);

    // Loads and pads the picture; the texture keeps an alpha channel so that
    // the padding around the picture stays transparent.
    void Load(const std::string& name);
    // Sizes from the file's header only.
    void LoadInfo(const std::string& name);
    Rect GetRect() const { return Rect(0, 0, imageWidth, imageHeight); }

    // Binds nothing: the whole texture drawn with its bottom-left at p.
    void DrawAt(const Point& p) const;
    // Binds and draws so that the picture's top edge lies at p.y.
    void DrawFromTop(const Point& p) const;

    int textureWidth = 0;
    int textureHeight = 0;
    int imageWidth = 0;
    int imageHeight = 0;
};

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
