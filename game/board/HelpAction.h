#pragma once

// One scripted step of a help board's cursor: move, press, wait or fade.

struct HelpAction {
    enum Kind { kMouseMove = 0, kMouseDown = 1, kSleep = 2, kFade = 3 };

    int kind = kSleep;
    float duration = 0.0f; // seconds
    float alpha = 0.0f;    // target of a fade
    int x = 0;             // target of a move, relative to the board origin
    int y = 0;
};
