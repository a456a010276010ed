#pragma once

// The own names of the controllers and effects a board starts, with what the
// board's flows do to each: one table for the reset and the restart, a saved
// state replacing the board, a tip box holding the play, the "Pause" and
// "Continue" messages and the end of a level.

#include <vector>

namespace BoardControllerNames {

enum Role : unsigned {
    kReset = 1u << 0,           // stopped by the reset (after the artefact movers and the sun's strike)
    kMoving = 1u << 1,          // moves or changes squares: stopped by the restart and a loaded state
    kHoldsSquare = 1u << 2,     // keeps a square lit: stopped by a loaded state too
    kHeldByTip = 1u << 3,       // paused while a tip box is shown, resumed when it goes
    kReleasedOnClose = 1u << 4, // resumed as soon as the tip box starts closing
    kPaused = 1u << 5,          // paused by "Pause"
    kDecorative = 1u << 6,      // resumed by "Continue", even under a tip box
    kPlay = 1u << 7,            // resumed by "Continue" when no tip box is shown
    kStoppedAtEnd = 1u << 8,    // stopped when the level ends
};

// The names with any of the roles, in the table's order.
std::vector<const char*> With(unsigned roles);

} // namespace BoardControllerNames
