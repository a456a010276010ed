#pragma once

// One gem of the main menu's row, one per country: where it stands (its
// bottom-left corner, y upward), the colour of its burst and ray, and its
// picture, whose size is the gem's size.

#include "engine/render/Texture.h"

#include <string>

struct MenuGem {
    int x = 0;
    int y = 0;
    int r = 255;
    int g = 255;
    int b = 255;
    std::string textureName;
    // Looked up by textureName when the menu is built; null without one.
    const Texture* texture = nullptr;

    int Width() const { return texture ? texture->image.width : 0; }
    int Height() const { return texture ? texture->image.height : 0; }
};
