#pragma once

// LevNameMap.xml: one row element per stage (at most 7), each with one child
// per level (at most 20) carrying the int attribute "value".

#include <string>

constexpr int kLevNameMapStages = 7;
constexpr int kLevNameMapLevels = 20;

using LevNameMap = int[kLevNameMapStages][kLevNameMapLevels];

// Fills the table from the file (entries the file does not give keep their
// value). Rows past the 7th and entries past the 20th are ignored with a
// log line. False when the file cannot be read.
bool ReadLevNameMapFile(const std::string& fileName, LevNameMap& map);
