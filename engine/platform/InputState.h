#pragma once

// The mouse as the window procedure last saw it, in client coordinates
// (y downward), and the routing of mouse and character input to the input
// map in screen space (x, 600 - y).

#include "engine/util/Point.h"

class InputState {
public:
    void MouseMove(int newX, int newY);
    void MouseDown();
    void MouseUp();
    void DoubleClick();
    // Sends "KeyPress" to every input widget; 27 then queues "Escape" and
    // 13 queues "Enter".
    void OnChar(int code);

    // The stored position in screen space.
    Point ScreenPoint() const { return Point(x, 600 - y); }

    int x = 0;
    int y = 0;
    bool buttonDown = false;
    bool rightButton = false;
};

extern InputState g_input;
