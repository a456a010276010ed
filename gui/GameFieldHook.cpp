#include "gui/GameFieldHook.h"

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
    if (!g_gameFieldCreator || !element || !element->Attribute("name"))
        return nullptr;
    return g_gameFieldCreator(element);
}
