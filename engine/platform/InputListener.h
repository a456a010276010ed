#pragma once

// Where the window procedure's mouse and character input goes, in screen
// space (y upward). The screen framework's input map listens; the engine only
// knows this interface.

#include "engine/util/Point.h"

class InputListener {
public:
    virtual ~InputListener() = default;

    virtual void OnMouseMove(const Point& p) = 0;
    virtual void OnMouseDown(const Point& p) = 0;
    virtual void OnMouseUp(const Point& p) = 0;
    virtual void OnDoubleClick(const Point& p) = 0;
    // A typed character (Windows-1252), or 8, 9, 13 and 27.
    virtual void OnCharacter(int code) = 0;
};
