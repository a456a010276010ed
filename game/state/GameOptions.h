#pragma once

// The player-facing options kept in GameInfo.xml; applying them is the
// scripts' business.

struct GameOptions {
    bool fullscreen = false;
    int soundVolume = 0;
    int musicVolume = 0;
    bool customCursor = false;
};
