#include "game/screens/ShieldScreenKind.h"

#include "game/screens/Shield.h"
#include "gui/WidgetFactory.h"
#include "gui/WidgetKindHooks.h"

void RegisterShieldScreenKind()
{
    SetOutsideWidgetCreator("Shield", CreateWidgetOfKind<Shield>);
}
