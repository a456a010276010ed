#include "game/screens/MapScreenKinds.h"

#include "game/screens/GameStatistics.h"
#include "game/screens/Map.h"
#include "gui/WidgetFactory.h"
#include "gui/WidgetKindHooks.h"

void RegisterMapScreenKinds()
{
    SetOutsideWidgetCreator("Map", CreateWidgetOfKind<Map>);
    SetOutsideWidgetCreator("GameStatistics", CreateWidgetOfKind<GameStatistics>);
}
