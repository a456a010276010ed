#pragma once

// settings.ini: fourteen positional lines of "key = value", read once at
// start. Only the position of a line gives its meaning; a line that does not
// parse leaves its setting at the default.

#include <string>

struct Settings {
    std::string path;                     // 1: folder made current first (key must be "path")
    bool useScreensaver = false;          // 3
    std::string exitTarget;               // 4: exit action's target
    bool useExternalScreensaver = false;  // 5
    bool countSplashes = false;           // 6: presence only
    bool loadPngImages = false;           // 7
    bool useJpegPairs = true;             // 8
    bool runFirstStart = false;           // 9
    bool logInGameFolder = false;         // 10
    bool truncateLog = true;              // 11
    int requiredGameInfoVersion = 1;      // 12
    std::string windowTitle = "Velmora Ascendant"; // 13
    bool editAcceptsHighCharacters = false; // 14
};

// Splits a line into key and value; false when it does not parse.
bool ParseSettingsLine(const std::string& line, std::string& key, std::string& value);

// Applies the file's lines by position. Line 1 with the key "path" changes the
// current folder before the rest is read. A missing file keeps every default.
Settings ReadSettingsFile(const std::string& name);

extern Settings g_settings;
