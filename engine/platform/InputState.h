#pragma once

// The mouse as the window procedure last saw it, in client coordinates
// (y downward), and the routing of mouse and character input to its listener
// in screen space (x, 600 - y).

#include "engine/util/Point.h"

class InputListener;

class InputState {
public:
    InputState() = default;
    explicit InputState(InputListener* inputListener)
        : listener(inputListener)
    {
    }

    void MouseMove(int newX, int newY);
    void MouseDown();
    void MouseUp();
    void DoubleClick();
    void OnChar(int code);

    // The stored position in screen space.
    Point ScreenPoint() const { return Point(x, 600 - y); }

    int x = 0;
    int y = 0;
    bool buttonDown = false;
    bool rightButton = false;
    // Receives the input; nothing is routed without one.
    InputListener* listener = nullptr;
};

extern InputState g_input;
