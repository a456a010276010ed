#pragma once

// levelTexts.xml: the short text about each level of the world map and the
// rectangle the map shows it in.
//
//   <LevelTexts>
//     <TextViewPort x="..." y="..." width="..." height="..."/>
//     <text id="Phoenicia_1_1"> ...a text block... </text>
//   </LevelTexts>
//
// The id of stage s, level l (both counted from 1) is the stage's name in the
// level map, "_", s, "_", l; the first "text" with that id is taken. The
// view port's y is counted from the top of the screen to its top edge.

#include "engine/render/Rect.h"
#include "game/state/LevelMap.h"
#include "gui/TextResource.h"

#include <memory>
#include <string>
#include <vector>

struct LevelTexts {
    // By stage, then level (from 0), one entry per level of the level map;
    // null where the file has no text.
    std::vector<std::vector<std::unique_ptr<TextBlock>>> texts;
    Rect viewPort;

    // The text of (stage, level) counted from 0, or null (also outside the map).
    const TextBlock* Find(int stage, int level) const;
};

// The id of a level's text.
std::string LevelTextId(const std::string& stageName, int stage, int level);

// Fills the texts for the stages of the level map. A file that does not
// load is logged and leaves every text null and the view port empty.
bool LoadLevelTextsFile(const std::string& fileName, const std::vector<LevelMapStage>& stages, LevelTexts& out);
