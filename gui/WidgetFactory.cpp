#include "gui/WidgetFactory.h"

#include "gui/GameFieldHook.h"
#include "gui/WidgetKindHooks.h"
#include "gui/controllers/ControllerFactory.h"
#include "gui/scenes/LayeredAnimation.h"
#include "gui/widgets/Credits.h"
#include "gui/widgets/Text.h"
#include "gui/widgets/WidgetCreators.h"

namespace {

struct WidgetKind {
    const char* typeName;
    WidgetCreator creator; // null: the kind is not part of this build yet
};

// The widget kinds in registration order. A null creator marks a kind of the
// game's screens: it is registered with CreateOutsideWidget, which makes it
// through the creator the screens install (WidgetKindHooks), whenever they
// install it.
const WidgetKind kWidgetKinds[] = {
    {"Animation", CreateAnimation},
    {"SolidRect", CreateSolidRect},
    {"Button", CreateButton},
    {"EditBox", CreateEditBox},
    {"ListBox", CreateListBox},
    {"CheckBox", CreateCheckBox},
    {"Panel", CreatePanel},
    {"Slider", CreateSlider},
    {"Text", CreateText},
    {"GameField", CreateGameField},
    {"Map", nullptr},
    {"Help", nullptr},
    {"Parus", nullptr},
    {"Shield", nullptr},
    {"TestWidget", nullptr},
    {"GameStatistics", nullptr},
    {"MultList", nullptr},
    {"MenuEffect", nullptr},
    {"Water", CreateWater},
    {"LayeredAnimation", CreateLayeredAnimation},
    {"History", nullptr},
    {"ProfileButton", nullptr},
    {"Credits", CreateCredits},
    {"SSView", nullptr},
    {"CompleteScreen", nullptr},
    {"SaverTooltip", nullptr},
    {"SplashWait", nullptr},
    {"QTVLogo", nullptr},
    {"ParticleTest", nullptr},
};

} // namespace

bool WidgetFactory::Register(const std::string& typeName, WidgetCreator creator)
{
    if (!creator)
        return false;
    return _creators.emplace(typeName, creator).second;
}

Widget* WidgetFactory::CreateWidget(const TiXmlElement* element) const
{
    if (!element)
        return nullptr;
    const auto found = _creators.find(element->ValueStr());
    return found == _creators.end() ? nullptr : found->second(element);
}

void RegisterGuiFactories()
{
    RegisterControllerKinds();
    for (const WidgetKind& kind : kWidgetKinds) {
        g_widgetFactory.Register(kind.typeName, kind.creator ? kind.creator : CreateOutsideWidget);
    }
}
