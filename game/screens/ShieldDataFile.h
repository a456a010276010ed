#pragma once

// The reader of ShieldData.xml: the glows over the shield's gems and the
// paths the wandering lights take across them.
//
//   <ShieldData>
//     <GemLightings>
//       <Light texture="#ShieldGlow0" r="255" g="200" b="60"
//              x="590" y="345" width="170" height="95"/> ... one per gem
//     </GemLightings>
//     <GemLightPaths>
//       <Artefact>
//         <Path number="0"> <Point x="610" y="230"/> ... </Path>
//       </Artefact> ...
//     </GemLightPaths>
//   </ShieldData>
//
// A light's rectangle is in screen space as written (y upward, x and y its
// lower-left corner); a path's points count y downward from the top and are
// kept as 599 - y. The root's name is not looked at.

#include "engine/util/Vector3.h"

#include <string>
#include <vector>

class TiXmlElement;

struct GemLightSpec {
    std::string texture;
    int r = 0;
    int g = 0;
    int b = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct LightPathSpec {
    int number = 0; // the gem the path belongs to, 0 to 6
    std::vector<Vector3> points;
};

struct ShieldDataSpec {
    static constexpr int kMaxLights = 7;
    static constexpr int kGems = 7;

    // At most kMaxLights, in file order: light k glows over gem k.
    std::vector<GemLightSpec> lights;
    std::vector<LightPathSpec> paths;
};

// The fixed log title of the file's problems.
extern const char* const kShieldDataFileError;

// Reads the file (through the path resolver). A file that is not there
// gives no lights and no paths, silently; one that does not parse is logged
// and gives nothing either. False in both cases.
bool ReadShieldDataFile(const std::string& name, ShieldDataSpec& data);

// Reads a parsed root element. Whatever cannot be used is logged and left
// out: Light elements past the seventh, a path of fewer than two points
// (no segment to run along) and a path whose number names no gem.
void ReadShieldData(const TiXmlElement* root, ShieldDataSpec& data);
