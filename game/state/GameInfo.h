#pragma once

// The game state: the options, the settings the start-up hands over, and the
// save file. The players, their progress and the hi-scores join it with the
// profile code.

#include <string>

#include <tinyxml.h>

class GameInfo {
public:
    // Reads the live GameInfo.xml of the application-data folder.
    bool LoadGameState();
    // Writes it atomically with a backup; never over a file that failed to
    // load. False when nothing was written.
    bool SaveGameState();

    bool getFullscreen() const { return _fullscreen; }
    void setFullscreen(bool value) { _fullscreen = value; }
    bool getCustomCursor() const { return _customCursor; }
    void setCustomCursor(bool value) { _customCursor = value; }
    int getSoundVolume() const { return _soundVolume; }
    int getMusicVolume() const { return _musicVolume; }
    int getNumOfSplashes() const { return _numOfSplashes; }
    bool getUseScreensaver() const { return _useScreensaver; }
    bool getUseExternalScreensaver() const { return _useExternalScreensaver; }

    // Handed over by start-up from settings.ini.
    int _numOfSplashes = 0;
    bool _useScreensaver = false;
    bool _useExternalScreensaver = false;

    bool _fullscreen = false;
    int _soundVolume = 75;
    int _musicVolume = 75;
    bool _customCursor = false;

private:
    TiXmlDocument _document;
    bool _loaded = false;
};

// The path of the live save file.
std::string GameInfoPath();

extern GameInfo gameInfo;
