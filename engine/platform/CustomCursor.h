#pragma once

// The custom cursor: three pictures (normal, over an active widget,
// pressing), which of them is shown, and the active and pressed flags.
// Widgets reach it through g_cursor; the frame draws it with the top-left
// corner of its picture at the mouse.

#include "engine/render/Sprite.h"

class CustomCursor {
public:
    enum class Image { Normal, Active, Pressed };

    // Loads "textures\cur_normal.tga", "textures\cur_active.tga" and
    // "textures\cur_press.tga" (a missing one stays empty) and shows the
    // normal picture.
    void Load();
    // Frees the pictures' device textures.
    void Release();

    void SetNormal();
    void SetActive();
    void SetPressed();
    bool IsActive() const { return active; }
    bool IsHighlighted() const { return current == Image::Active || current == Image::Pressed; }

    // The picture shown now.
    const Sprite& CurrentSprite() const;
    // Binds the current picture and draws it, texture-sized, with its
    // top-left corner at the mouse (client coordinates, y downward).
    void Draw(int mouseX, int mouseY) const;

    Sprite normalImage;
    Sprite activeImage;
    Sprite pressedImage;
    Image current = Image::Normal;
    bool active = false;
    bool pressed = false;
};

// The custom cursor of the application.
extern CustomCursor g_customCursor;
// The cursor object widgets address; null until the application sets it.
extern CustomCursor* g_cursor;
