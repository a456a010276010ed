#include "game/board/BoardControllerNames.h"

namespace BoardControllerNames {

namespace {

struct Entry {
    const char* name;
    unsigned roles;
};

constexpr unsigned kTipHeldPlay = kHeldByTip | kPaused | kPlay;

const Entry kTable[] = {
    {"GameFieldObserver", kPaused | kDecorative},
    {"WonderBonus", kReset | kTipHeldPlay},
    {"TimeBonus", kReset | kTipHeldPlay},
    {"SquareTipper", kReset | kMoving | kPaused | kDecorative | kStoppedAtEnd},
    {"LevelLighting", kReset | kMoving | kPaused | kDecorative | kStoppedAtEnd},
    {"SunBurner", kReset | kMoving | kPaused | kDecorative | kStoppedAtEnd},
    {"SquareMover", kReset | kMoving | kTipHeldPlay | kReleasedOnClose},
    {"SquareFall", kReset | kMoving | kTipHeldPlay},
    {"BonusMover", kReset | kMoving | kTipHeldPlay | kReleasedOnClose},
    {"MusorDestroyer", kReset | kMoving | kTipHeldPlay | kReleasedOnClose},
    {"BonusDownMover", kReset | kTipHeldPlay},
    {"SquareDestroyer", kReset | kMoving | kPaused | kDecorative},
    {"SquareDestroyerB", kReset | kMoving | kPaused | kDecorative},
    {"SquareDestroyerC", kReset | kMoving | kPaused | kDecorative},
    {"CheckMatchRunner", kReset | kMoving | kTipHeldPlay | kReleasedOnClose},
    {"FallingRunner", kReset | kMoving | kTipHeldPlay | kReleasedOnClose},
    {"FieldAppearance", kReset | kPaused | kDecorative},
    {"RunStart", kReset | kPaused | kDecorative},
    {"FillTimer", kReset | kPaused | kDecorative},
    {"AddLife", kReset | kPaused | kDecorative},
    {"SquareLight", kReset | kHoldsSquare | kPaused | kDecorative},
    {"EndLevelManager", kReset | kPaused | kPlay},
    {"ArtefactMover", kMoving | kTipHeldPlay | kReleasedOnClose},
    {"ChipSunEnergy", kReset | kTipHeldPlay},
    {"SunRing", kReset | kPaused | kDecorative},
    {"LetterText", kReset | kPaused | kDecorative},
    {"DecLives", kReset | kPaused | kDecorative},
    {"KillerSun", kPaused | kPlay},
    {"SimpleFrame", kReset | kPaused | kDecorative | kStoppedAtEnd},
    {"ArtefactCollecting", kPaused},
    {"ShowMessage", kReset},
    {"SwapBonusSquareMover", kReset | kMoving},
    {"Reshuffle", kReset | kMoving},
};

} // namespace

std::vector<const char*> With(unsigned roles)
{
    std::vector<const char*> names;
    for (const Entry& entry : kTable)
        if ((entry.roles & roles) != 0)
            names.push_back(entry.name);
    return names;
}

} // namespace BoardControllerNames
