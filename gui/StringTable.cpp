#include "gui/StringTable.h"

#include "engine/platform/StrictLookups.h"

const StringTable* g_stringTable = nullptr;

std::string GetText(const std::string& id)
{
    if (g_stringTable) {
        const auto found = g_stringTable->find(id);
        if (found != g_stringTable->end())
            return found->second;
    }
    ReportMissingName("text", id);
    return std::string();
}
