#include "engine/platform/InputState.h"

#include "engine/platform/InputListener.h"

void InputState::MouseMove(int newX, int newY)
{
    x = newX;
    y = newY;
    if (listener)
        listener->OnMouseMove(ScreenPoint());
}

void InputState::MouseDown()
{
    if (!buttonDown && listener)
        listener->OnMouseDown(ScreenPoint());
    buttonDown = true;
}

void InputState::MouseUp()
{
    buttonDown = false;
    if (listener)
        listener->OnMouseUp(ScreenPoint());
}

void InputState::DoubleClick()
{
    if (listener)
        listener->OnDoubleClick(ScreenPoint());
}

void InputState::OnChar(int code)
{
    if (listener)
        listener->OnCharacter(code);
}
