#include "game/board/LevelFile.h"

#include "engine/util/XmlFile.h"
#include "game/board/SquareKinds.h"
#include "game/state/LevelCellCountsFile.h"
#include "game/state/StrictXmlReader.h"

#include <algorithm>
#include <cmath>
#include <tinyxml.h>

namespace {

void NoteNotFinite(StrictXmlReader& reader, const char* name, float value)
{
    if (!std::isfinite(value))
        reader.Note(std::string("\"") + name + "\" is not a finite number");
}

void ReadAttributes(const TiXmlElement* element, StrictXmlReader& reader, LevelRecord& level)
{
    reader.String(element, "name", level.name);
    reader.Float(element, "time", level.time);
    reader.Float(element, "tip_time", level.tipTime);
    float qMusor = 0.0f;
    reader.Float(element, "qMusor", qMusor);
    reader.Float(element, "sun_inc4", level.sunInc4);
    reader.Float(element, "sun_inc5", level.sunInc5);
    reader.Float(element, "sun_inc6", level.sunInc6);
    reader.Int(element, "artefact_begin", level.artefactBegin);

    NoteNotFinite(reader, "time", level.time);
    NoteNotFinite(reader, "tip_time", level.tipTime);
    NoteNotFinite(reader, "sun_inc4", level.sunInc4);
    NoteNotFinite(reader, "sun_inc5", level.sunInc5);
    NoteNotFinite(reader, "sun_inc6", level.sunInc6);
    if (std::isfinite(qMusor) && std::fabs(qMusor) < 1.0e9f)
        level.qMusor = static_cast<int>(qMusor);
    else
        reader.Note("\"qMusor\" is out of range");
    if (std::isfinite(level.time) && level.time <= 0.0f)
        reader.Note("\"time\" is 0 or less");
    if (level.artefactBegin < 0)
        reader.Note("\"artefact_begin\" is negative");
}

void ReadChips(const TiXmlElement* element, StrictXmlReader& reader, LevelRecord& level)
{
    std::string chips;
    reader.String(element, "chips", chips);
    if (!element->Attribute("chips"))
        return;
    if (chips.empty()) {
        reader.Note("\"chips\" is empty");
        return;
    }
    if (static_cast<int>(chips.size()) > kMaxColours) {
        reader.Note("\"chips\" is longer than 16");
        return;
    }
    for (char c : chips) {
        const int colour = ChipColourValue(c);
        if (colour < 0) {
            reader.Note("\"chips\" holds \"" + std::string(1, c) + "\", not 0-9 or A-F");
            return;
        }
        level.chips.push_back(colour);
    }
}

void ReadRows(const TiXmlElement* element, StrictXmlReader& reader, LevelRecord& level)
{
    for (const TiXmlElement* line = element->FirstChildElement("Line"); line;
         line = line->NextSiblingElement("Line")) {
        const char* text = line->GetText();
        level.rows.push_back(text ? text : "");
    }
    if (level.rows.empty()) {
        reader.Note("no \"Line\"");
        return;
    }
    const std::size_t width = level.rows.front().size();
    if (width == 0)
        reader.Note("the first \"Line\" is empty");
    if (static_cast<int>(width) > kMaxBoardSide)
        reader.Note("more than 20 columns");
    if (level.Height() > kMaxBoardSide)
        reader.Note("more than 20 rows");
    for (std::size_t i = 1; i < level.rows.size(); ++i) {
        if (level.rows[i].size() != width) {
            reader.Note("\"Line\" " + std::to_string(i + 1) + " is " + std::to_string(level.rows[i].size()) +
                        " long, not " + std::to_string(width));
            break;
        }
    }
    int pieces = 0;
    for (const std::string& row : level.rows)
        pieces += static_cast<int>(std::count(row.begin(), row.end(), 'A'));
    if (pieces > 0 && level.artefactBegin >= 0 && level.artefactBegin + pieces - 1 > kLastArtefactPiece)
        reader.Note("an \"A\" past piece 79");
}

} // namespace

int ChipColourValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 55;
    return -1;
}

int LevelCellCode(char c)
{
    switch (c) {
    case '0':
        return 0;
    case '-':
        return kKindLocked;
    case '+':
        return kKindDoubleLocked;
    case '*':
        return kKindStone;
    case 'L':
        return 0x40;
    case 'T':
        return 0x41;
    case 'R':
        return 0x42;
    case 'B':
        return 0x43;
    case 'S':
        return 0x48;
    case 'D':
        return 0x49;
    case 'V':
        return kKindLifeBonus;
    case 'A':
        return kKindArtefact;
    case 'I':
        return kKindIce;
    case 'Z':
        return kKindFixedLocked;
    case 'X':
        return kKindFixedDoubleLocked;
    default:
        return 1;
    }
}

LevelReadResult ReadLevelFile(const std::string& fileName, const std::string& levelName)
{
    LevelReadResult result;
    TiXmlDocument document;
    if (!LoadXmlFile(fileName, document)) {
        result.status = LevelReadResult::kUnreadable;
        return result;
    }
    const TiXmlElement* element = FindLevelElement(document.RootElement(), levelName);
    if (!element) {
        result.status = LevelReadResult::kNotFound;
        return result;
    }
    StrictXmlReader reader(fileName);
    ReadAttributes(element, reader, result.level);
    ReadChips(element, reader, result.level);
    ReadRows(element, reader, result.level);
    if (reader.HasNotes()) {
        reader.Report("level \"" + levelName + "\" is refused");
        result.status = LevelReadResult::kMalformed;
        result.level = LevelRecord();
        return result;
    }
    result.status = LevelReadResult::kLoaded;
    return result;
}
