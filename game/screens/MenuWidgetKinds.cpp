#include "game/screens/MenuWidgetKinds.h"

#include "game/screens/MenuEffect.h"
#include "game/screens/ParticleTest.h"
#include "game/screens/ProfileButton.h"
#include "game/screens/QTVLogo.h"
#include "game/screens/SSView.h"
#include "game/screens/SaverTooltip.h"
#include "gui/WidgetKindHooks.h"

void InstallMenuWidgetCreators()
{
    SetOutsideWidgetCreator("MenuEffect", CreateMenuEffect);
    SetOutsideWidgetCreator("ProfileButton", CreateProfileButton);
    SetOutsideWidgetCreator("SSView", CreateSSView);
    SetOutsideWidgetCreator("SaverTooltip", CreateSaverTooltip);
    SetOutsideWidgetCreator("QTVLogo", CreateQTVLogo);
    SetOutsideWidgetCreator("ParticleTest", CreateParticleTest);
}
