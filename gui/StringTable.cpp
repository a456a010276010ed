#include "gui/StringTable.h"

const StringTable* g_stringTable = nullptr;

std::string GetText(const std::string& id)
{
    if (!g_stringTable)
        return std::string();
    const auto found = g_stringTable->find(id);
    return found == g_stringTable->end() ? std::string() : found->second;
}
