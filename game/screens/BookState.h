#pragma once

// What the two books of pages share, once for the program: whether a book is
// on screen and which, the current closing-pages widget, the controller that
// animates the pages (made by the story widget), the backdrop pictures and
// the drifting fish. The widgets fill it as they are made and clear their
// own entries when they go.

#include "gui/effects/SwimmingFish.h"

#include <vector>

class CompleteScreen;
class HistoryController;
class Sprite;

struct BookState {
    static constexpr int kFishCount = 15;

    bool booksShown = false;
    // The book on screen is the story, else the closing pages.
    bool historyIsShown = false;
    // Cleared by its widget's destructor.
    CompleteScreen* completeScreen = nullptr;
    // Owned by the controller manager; cleared by its destructor.
    HistoryController* historyController = nullptr;
    // Registered pictures "#HISTORY_FIRST_PLANE" and "#HISTORY_ARC_MASK"
    // (not owned; drawn only while uploaded).
    Sprite* firstPlane = nullptr;
    Sprite* arcMask = nullptr;
    std::vector<SwimmingFish> fish;
};

BookState& Books();
