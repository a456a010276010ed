#include "gui/WidgetKindHooks.h"

#include <map>

namespace {

std::map<std::string, OutsideWidgetCreator>& Creators()
{
    static std::map<std::string, OutsideWidgetCreator> creators;
    return creators;
}

} // namespace

void SetOutsideWidgetCreator(const std::string& typeName, OutsideWidgetCreator creator)
{
    if (creator)
        Creators()[typeName] = creator;
    else
        Creators().erase(typeName);
}

OutsideWidgetCreator FindOutsideWidgetCreator(const std::string& typeName)
{
    const auto found = Creators().find(typeName);
    return found == Creators().end() ? nullptr : found->second;
}
