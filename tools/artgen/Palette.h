#pragma once

// The colours every picture of the game draws from, so that the screens
// share one look: warm stone, lapis, bronze and gold, terracotta.

#include "tools/artgen/Colour.h"

namespace palette {

inline const Colour kSandstone = Rgb(0xD9B98A);
inline const Colour kSandstoneDark = Rgb(0x9C7A4E);
inline const Colour kMarble = Rgb(0xEDE6D8);
inline const Colour kMarbleVein = Rgb(0x9A8F84);
inline const Colour kPapyrus = Rgb(0xE8D3A2);
inline const Colour kLapis = Rgb(0x1F3F8A);
inline const Colour kLapisDeep = Rgb(0x0E1E48);
inline const Colour kLapisLight = Rgb(0x4C74C4);
inline const Colour kBronze = Rgb(0xA86A2C);
inline const Colour kBronzeLight = Rgb(0xE0A858);
inline const Colour kBronzeDark = Rgb(0x5A3212);
inline const Colour kGold = Rgb(0xF2C654);
inline const Colour kGoldLight = Rgb(0xFFF0B0);
inline const Colour kGoldDark = Rgb(0x9A6A12);
inline const Colour kTerracotta = Rgb(0xC0582C);
inline const Colour kTerracottaDark = Rgb(0x7A2E14);
inline const Colour kInk = Rgb(0x2A1808);
inline const Colour kSeaDeep = Rgb(0x103A5C);
inline const Colour kSea = Rgb(0x2C7096);
inline const Colour kOlive = Rgb(0x56652A);
inline const Colour kCypress = Rgb(0x24381E);

} // namespace palette
