#pragma once

// The board's screen in a small test game folder: its pictures and the fonts
// copied from the game folder the build assembles, and "board_resources.xml"
// registering them as the game's resource list does (every picture uploaded
// at once: no layer's group is shown in these folders).

#include "tests/support/EndToEndGame.h"
#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace testing_support {

// The game's resource list reduced to the fonts and its "board screen" blocks.
inline std::string BoardScreenResources()
{
    const std::string all = ReadTextFile(SourceDir() + "/data/resources.xml");
    const std::string begin = "<!-- board screen (begin)";
    const std::string end = "<!-- board screen (end) -->";
    std::string blocks;
    for (std::size_t at = all.find(begin); at != std::string::npos; at = all.find(begin, at + 1)) {
        const std::size_t stop = all.find(end, at);
        if (stop == std::string::npos)
            break;
        const std::string block = all.substr(at, stop - at);
        // The fonts are listed whole below; the pictures and the animations stay.
        if (block.find("<font ") == std::string::npos)
            blocks += block + "\n";
    }
    std::string pictures;
    std::string animations;
    const std::size_t split = blocks.find("<Animations>");
    pictures = blocks.substr(0, split);
    if (split != std::string::npos)
        animations = blocks.substr(split, blocks.find("</Animations>") + 13 - split);
    for (std::size_t at = pictures.find(" upload=\"false\""); at != std::string::npos;
         at = pictures.find(" upload=\"false\""))
        pictures.erase(at, 15);
    std::string fonts = "<Fonts>";
    for (const char* name : {"Title", "TitleLight", "text", "BigScores", "bonus", "scores", "Letter"})
        fonts += std::string("<font name=\"") + name + "\" />";
    fonts += "</Fonts>";
    return "<Resources>" + fonts + "<Textures2D>" + pictures + "</Textures2D>" + animations + "</Resources>\n";
}

inline void ServeBoardScreen(const EndToEndGame& game)
{
    const std::string built = std::string(std::getenv("VELMORA_GAME_DIR")) + "/data";
    std::filesystem::create_directories(game.File("textures"));
    std::filesystem::copy(built + "/textures/board", game.File("textures/board"),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    std::filesystem::copy(built + "/font", game.File("font"),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    WriteTextFile(game.File("board_resources.xml"), BoardScreenResources());
}

} // namespace testing_support
