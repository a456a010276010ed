#pragma once

// The reader of MenuEffects.xml: how many fish swim across the main menu, the
// swaying weed strips, the tracks of the fish schools and the seven gems.
//
//   <MenuEffects numOfFishes="14">
//     <Wave width="60" height="220" count="50" timeScale="1">
//       <position x="40" y="0"/> <key value="0"/> <key value="12"/> ...
//     </Wave>
//     <FishTrack numFishes="120" timeScale="1">
//       <key x="-100" y="400" z="-300" vx="20" vy="20" vz="20"/> ...
//     </FishTrack>
//     <Gem x="60" y="470" r="255" g="40" b="40" tex="GEM1"/> ... seven of them
//   </MenuEffects>
//
// The root's name is not looked at. Gem y counts from the top of the screen
// and is kept as 600 - y; wave positions are kept as written.

#include "game/screens/FishTrack.h"
#include "game/screens/MenuGem.h"

#include <string>
#include <vector>

class TiXmlElement;

struct MenuWaveSpec {
    int x = 0;
    int y = 0;
    float width = 128.0f;
    float height = 128.0f;
    int count = 50;
    float timeScale = 1.0f;
    std::vector<float> values;
};

struct MenuEffectsData {
    static constexpr int kMaxGems = 7;

    int numOfFishes = 0;
    std::vector<MenuWaveSpec> waves;
    std::vector<FishTrack> tracks;
    // At most kMaxGems, in file order.
    std::vector<MenuGem> gems;
};

// The fixed log title of the file's problems.
extern const char* const kMenuEffectsFileError;

// Reads the file (through the path resolver). False, with a log line, when it
// cannot be read or parsed; data then holds nothing.
bool ReadMenuEffectsFile(const std::string& name, MenuEffectsData& data);

// Reads a parsed root element. Whatever cannot be used is logged and left
// out: Gem elements past the seventh, a wave of fewer than one segment; a
// negative fish count reads as 0. A file with fewer than seven gems is
// logged; the missing gems are simply not there.
void ReadMenuEffects(const TiXmlElement* root, MenuEffectsData& data);
