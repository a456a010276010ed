#include "game/screens/CompleteScreen.h"

#include "game/screens/BookState.h"
#include "gui/WidgetFactory.h"

CompleteScreen::CompleteScreen(const std::string& widgetName, const TiXmlElement*)
    : PageBook(widgetName, "EndTextEffects.xml")
{
    Books().completeScreen = this;
}

CompleteScreen::~CompleteScreen()
{
    if (Books().completeScreen == this)
        Books().completeScreen = nullptr;
}

Widget* CreateCompleteScreen(const TiXmlElement* element)
{
    return CreateWidgetOfKind<CompleteScreen>(element);
}
