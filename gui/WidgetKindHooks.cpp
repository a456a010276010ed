#include "gui/WidgetKindHooks.h"

#include "engine/platform/HtmlLog.h"

#include <tinyxml.h>

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

Widget* CreateOutsideWidget(const TiXmlElement* element)
{
    if (!element)
        return nullptr;
    const char* name = element->Attribute("name");
    if (!name)
        return nullptr;
    const OutsideWidgetCreator creator = FindOutsideWidgetCreator(element->ValueStr());
    if (!creator) {
        LogMissingWidgetCreator(element->ValueStr(), name);
        return nullptr;
    }
    return creator(element);
}

void LogMissingWidgetCreator(const std::string& typeName, const std::string& widgetName)
{
    LogError("GUI file load error", "No creator is installed for the widget kind \"" + typeName +
                                        "\"; the widget \"" + widgetName + "\" is left out.");
}
