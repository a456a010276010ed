#pragma once

// Formatted text blocks: lines, each with its own font, scale, colour and
// line height, built from a "text" element of a text file (or of the board's
// and the screens' own files). Lines may hold variable tokens ("#", a name,
// "#") that the text variables fill in. The GUI manager keeps the blocks of
// the text files by id and publishes them through g_textTable.

#include "engine/util/Color.h"

#include <map>
#include <string>
#include <vector>

class TiXmlElement;

struct TextResourceLine {
    std::string text;   // as shown: source with its tokens replaced
    std::string source; // as loaded
    std::string font;
    int lineHeight = 0;
    float scale = 1.0f;
    Color color;
};

struct TextResource {
    TextResource() = default;
    // The lines of one block element (see ParseTextResources).
    explicit TextResource(const TiXmlElement* element);

    // Every line takes the colour.
    void SetColor(const Color& value);

    int layout = 4;
    int width = 0;  // the widest line after its scale
    int height = 0; // the lines' heights after their scales
    std::vector<TextResourceLine> lines;
};

// The name the board and the screens use for the same type; a block is drawn
// at a point by DrawTextRuns (gui/FontAccess.h).
using TextBlock = TextResource;

// The text blocks by id.
struct TextTable : std::map<std::string, TextResource> {
    using std::map<std::string, TextResource>::map;
    // The block of that id, or null.
    const TextResource* Find(const std::string& id) const;
};
using TextVariables = std::map<std::string, std::string>;

// Published by the GUI manager (text blocks) and by the application's start
// (variables); null until then.
extern const TextTable* g_textTable;
extern const TextVariables* g_textVariables;

// The block of that id in the published table, or null.
const TextResource* FindTextResource(const std::string& id);

// Appends the lines of a block element ("string" children, or one "text"
// child whose "text" attribute is cut at newlines) and measures the block.
void ParseTextResources(TextResource& block, const TiXmlElement* element);

// Rebuilds every line's text from its source with the current values of the
// text variables; a token naming no variable is replaced by nothing. The
// width is measured again, since it depends on the text shown.
void SubstituteVariables(TextResource& block, const TextVariables& variables);
// The same with the published text variables (none while unpublished).
void SubstituteVariables(TextResource& block);
