// GameInfo.xml read, written and read again: whatever a first read makes of
// a file, saving it and reading the save back must give the same contents,
// so nothing is lost or changed by a save.
#include "engine/util/XmlFile.h"
#include "game/state/GameInfoFile.h"
#include "tests/fuzz/FuzzTarget.h"
#include "tests/fuzz/ShippedLevelMap.h"

#include <tinyxml.h>

#include <cstdio>
#include <cstdlib>

namespace {

std::string Printed(const GameInfoContents& contents)
{
    TiXmlDocument document;
    WriteGameInfoDocument(contents, 1, fuzz::ShippedStages(), document);
    TiXmlPrinter printer;
    document.Accept(&printer);
    return printer.Str();
}

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::WriteInput("GameInfo.xml", data, size);
    TiXmlDocument document;
    if (!LoadXmlFile("GameInfo.xml", document))
        return;
    GameInfoContents first;
    ReadGameInfoDocument(document, fuzz::ShippedStages(), first);
    const std::string saved = Printed(first);

    TiXmlDocument reread;
    reread.Parse(saved.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    if (reread.Error()) {
        std::fprintf(stderr, "the saved GameInfo.xml does not parse:\n%s\n", saved.c_str());
        std::abort();
    }
    GameInfoContents second;
    ReadGameInfoDocument(reread, fuzz::ShippedStages(), second);
    const std::string savedAgain = Printed(second);
    if (savedAgain != saved) {
        std::fprintf(stderr, "a save read back saves differently:\n%s\n---\n%s\n", saved.c_str(), savedAgain.c_str());
        std::abort();
    }
}

const fuzz::FuzzTarget target("game_info", Run);

} // namespace
