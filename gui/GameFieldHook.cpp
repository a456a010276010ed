#include "gui/GameFieldHook.h"

#include "gui/WidgetKindHooks.h"

#include <tinyxml.h>

namespace {
GameFieldCreator g_gameFieldCreator = nullptr;
}

void SetGameFieldCreator(GameFieldCreator creator)
{
    g_gameFieldCreator = creator;
}

Widget* CreateGameField(const TiXmlElement* element)
{
    if (!element || !element->Attribute("name"))
        return nullptr;
    if (!g_gameFieldCreator) {
        LogMissingWidgetCreator("GameField", element->Attribute("name"));
        return nullptr;
    }
    return g_gameFieldCreator(element);
}
