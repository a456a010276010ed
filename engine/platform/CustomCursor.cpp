#include "engine/platform/CustomCursor.h"

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
