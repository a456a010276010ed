#pragma once

// The reader of artTexts.xml: the text about each of the seven artefacts,
// shown on the shield's parchment.
//
//   <ArtTexts>
//     <text id="0"> <string font="ArtTitle" color="...">The Golden Bull</string> ... </text>
//     ...
//   </ArtTexts>
//
// Entry k is the first child element, in file order, whose "id" is the
// decimal text of k; the root's name is not looked at.

#include "gui/TextResource.h"

#include <memory>
#include <string>
#include <vector>

class TiXmlElement;

struct ArtTexts {
    static constexpr int kCount = 7;

    ArtTexts() : texts(kCount) {}

    // The text of artefact k, or null (also outside 0 to 6).
    const TextBlock* Find(int k) const;

    // kCount entries; null where the file has no text.
    std::vector<std::unique_ptr<TextBlock>> texts;
};

// Reads the file (through the path resolver). A missing file leaves every
// entry null, silently; one that does not parse is logged and leaves them
// null too. False in both cases.
bool ReadArtTextsFile(const std::string& name, ArtTexts& out);

// Fills the entries from a parsed root element.
void ReadArtTexts(const TiXmlElement* root, ArtTexts& out);
