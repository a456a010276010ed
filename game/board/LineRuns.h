#pragma once

// The runs of three or more chips of one colour along one line of cells.

#include "game/board/SquareKinds.h"

// Walks `length` cells of one line and calls onRun(start, n, colour) for
// every run of three or more matchable squares of one colour, in order.
// kindAt(i) gives the kind of cell i; anything but a matchable kind (no
// square, a stone, a bonus, a cell off the board) breaks a run.
template <typename KindAt, typename OnRun>
void ForEachRun(int length, KindAt kindAt, OnRun onRun)
{
    int runColour = -1;
    int start = 0;
    int n = 0;
    const auto end = [&]() {
        if (runColour >= 0 && n >= 3)
            onRun(start, n, runColour);
    };
    for (int i = 0; i < length; ++i) {
        const int kind = kindAt(i);
        if (!IsSquareKind(kind)) {
            end();
            runColour = -1;
            n = 0;
        } else if (KindColour(kind) != runColour) {
            end();
            runColour = KindColour(kind);
            start = i;
            n = 1;
        } else {
            ++n;
        }
    }
    end();
}
