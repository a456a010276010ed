#include "game/screens/ScreenWidgetKinds.h"

#include "game/screens/CompleteScreen.h"
#include "game/screens/Help.h"
#include "game/screens/History.h"
#include "game/screens/MultList.h"
#include "game/screens/Parus.h"
#include "game/screens/SplashWait.h"
#include "game/screens/TestWidget.h"
#include "gui/WidgetKindHooks.h"

void InstallScreenWidgetCreators()
{
    SetOutsideWidgetCreator("History", CreateHistory);
    SetOutsideWidgetCreator("CompleteScreen", CreateCompleteScreen);
    SetOutsideWidgetCreator("SplashWait", CreateSplashWait);
    SetOutsideWidgetCreator("MultList", CreateMultList);
    SetOutsideWidgetCreator("Parus", CreateParus);
    SetOutsideWidgetCreator("TestWidget", CreateTestWidget);
    SetOutsideWidgetCreator("Help", CreateHelp);
}
