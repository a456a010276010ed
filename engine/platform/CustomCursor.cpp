#include "engine/platform/CustomCursor.h"

#include "engine/render/RenderDevice.h"

void CustomCursor::Load()
{
    Sprite* const sprites[3] = {&normalImage, &activeImage, &pressedImage};
    const char* const files[3] = {"textures\\cur_normal.tga", "textures\\cur_active.tga", "textures\\cur_press.tga"};
    for (int i = 0; i < 3; ++i) {
        sprites[i]->Load(files[i]);
        sprites[i]->Upload(true);
    }
    current = Image::Normal;
}

void CustomCursor::Release()
{
    normalImage.Release();
    activeImage.Release();
    pressedImage.Release();
}

void CustomCursor::SetNormal()
{
    current = Image::Normal;
    active = false;
    pressed = false;
}

void CustomCursor::SetActive()
{
    current = Image::Active;
    active = true;
    pressed = false;
}

void CustomCursor::SetPressed()
{
    current = Image::Pressed;
    pressed = true;
}

const Sprite& CustomCursor::CurrentSprite() const
{
    switch (current) {
    case Image::Active:
        return activeImage;
    case Image::Pressed:
        return pressedImage;
    default:
        return normalImage;
    }
}

void CustomCursor::Draw(int mouseX, int mouseY) const
{
    const Sprite& sprite = CurrentSprite();
    sprite.Bind();
    g_renderDevice.DrawRect(mouseX, 600 - mouseY - sprite.imageHeight, sprite.textureWidth, sprite.textureHeight);
}
