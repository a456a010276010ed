// A book's pages (HistoryTextEffects.xml, EndTextEffects.xml).
#include "game/screens/BookPagesFile.h"
#include "gui/effects/TextWithEffects.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

void Run(const std::uint8_t* data, std::size_t size)
{
    fuzz::OpenGlOnce();
    fuzz::WriteInput("HistoryTextEffects.xml", data, size);
    TextWithEffects pages[3];
    ReadBookPages("HistoryTextEffects.xml", pages, 3);
}

const fuzz::FuzzTarget target("book_pages", Run);

} // namespace
