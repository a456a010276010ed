#pragma once

// The reader of RayGem.xml: where the ray that switches each gem on comes
// down, and its colour.
//
//   <RayGem>
//     <Gem x="615" y="243" r="255" g="210" b="80"/> ... seven of them
//   </RayGem>
//
// Entry k comes from the k-th "Gem" child; only the first seven are read.
// The values are decimal integers; the ray's foot is kept at (x + 60,
// (600 - y) + 35) in screen space, y upward.

#include <string>
#include <vector>

class TiXmlElement;

struct RayGemEntry {
    float x = 0.0f;
    float y = 0.0f;
    int r = 0;
    int g = 0;
    int b = 0;
};

constexpr int kRayGemEntries = 7;

// The fixed log title of the file's problems.
extern const char* const kRayGemFileError;

// Reads the file (through the path resolver): at most seven entries. A
// missing file gives none, silently; one that does not parse is logged. A
// file with fewer than seven gems is logged; the gems it lacks get no ray.
bool ReadRayGemFile(const std::string& name, std::vector<RayGemEntry>& entries);

// Reads a parsed root element.
void ReadRayGems(const TiXmlElement* root, std::vector<RayGemEntry>& entries);
