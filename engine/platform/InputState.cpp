#include "engine/platform/InputState.h"

#include "engine/platform/InputMap.h"
#include "gui/Message.h"

void InputState::MouseMove(int newX, int newY)
{
    x = newX;
    y = newY;
    g_inputWidgets.SendMouseMove(ScreenPoint());
}

void InputState::MouseDown()
{
    if (!buttonDown)
        g_inputWidgets.SendMouseDown(ScreenPoint());
    buttonDown = true;
}

void InputState::MouseUp()
{
    buttonDown = false;
    g_inputWidgets.SendMouseUp(ScreenPoint());
}

void InputState::DoubleClick()
{
    g_inputWidgets.SendDoubleClick(ScreenPoint());
}

void InputState::OnChar(int code)
{
    g_inputWidgets.SendKeyPress(code);
    if (code == 27)
        PostMessage(Message("Escape"));
    else if (code == 13)
        PostMessage(Message("Enter"));
}
