#include "engine/platform/StrictLookups.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"

#include <cstdlib>
#include <cstring>

const char* const kMissingNameTitle = "Missing name";

namespace {

bool StartsOn()
{
    const char* value = std::getenv("VELMORA_STRICT_LOOKUPS");
    return value && *value && std::strcmp(value, "0") != 0;
}

bool& StrictFlag()
{
    static bool strict = StartsOn();
    return strict;
}

} // namespace

void SetStrictLookups(bool on)
{
    StrictFlag() = on;
}

bool StrictLookups()
{
    return StrictFlag();
}

void ReportMissingName(const char* kind, const std::string& name)
{
    if (StrictFlag())
        LogError(kMissingNameTitle, std::string(kind) + " \"" + name + "\" is not there.");
}
