#include "game/screens/History.h"

#include "game/screens/BookState.h"
#include "game/screens/HistoryController.h"
#include "gui/ResourceAccess.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

History::History(const std::string& widgetName, const TiXmlElement*) : PageBook(widgetName, "HistoryTextEffects.xml")
{
    BookState& books = Books();
    auto* controller = new HistoryController(this);
    books.historyController = controller;
    kernel.AddController(controller);

    effects.Add("HistoryRainbow", 74.0f, 420.0f);
    effects.Add("HistoryRainbow", 716.0f, 420.0f);

    books.fish.assign(BookState::kFishCount, SwimmingFish());
    for (SwimmingFish& fish : books.fish) {
        fish.Init();
        fish.sizeFactor = 1.6f;
    }

    books.firstPlane = GuiResources::FindTexture("#HISTORY_FIRST_PLANE");
    books.arcMask = GuiResources::FindTexture("#HISTORY_ARC_MASK");
}

Widget* CreateHistory(const TiXmlElement* element)
{
    return CreateWidgetOfKind<History>(element);
}
