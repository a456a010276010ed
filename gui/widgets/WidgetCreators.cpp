#include "gui/widgets/WidgetCreators.h"

#include "engine/util/XmlAttributes.h"
#include "gui/widgets/Animation.h"
#include "gui/widgets/Button.h"
#include "gui/widgets/CheckBox.h"
#include "gui/widgets/EditBox.h"
#include "gui/widgets/ListBox.h"
#include "gui/widgets/Slider.h"
#include "gui/widgets/Panel.h"
#include "gui/widgets/SolidRect.h"
#include "gui/widgets/Water.h"

#include <string>

namespace {

template <typename Kind>
Widget* CreateNamed(const TiXmlElement* element)
{
    std::string name;
    if (!element || !ReadStringAttribute(element, "name", name))
        return nullptr;
    return new Kind(name, element);
}

} // namespace

Widget* CreateButton(const TiXmlElement* element) { return CreateNamed<Button>(element); }
Widget* CreateCheckBox(const TiXmlElement* element) { return CreateNamed<CheckBox>(element); }
Widget* CreateSlider(const TiXmlElement* element) { return CreateNamed<Slider>(element); }
Widget* CreateEditBox(const TiXmlElement* element) { return CreateNamed<EditBox>(element); }
Widget* CreateListBox(const TiXmlElement* element) { return CreateNamed<ListBox>(element); }
Widget* CreatePanel(const TiXmlElement* element) { return CreateNamed<Panel>(element); }
Widget* CreateSolidRect(const TiXmlElement* element) { return CreateNamed<SolidRect>(element); }
Widget* CreateAnimation(const TiXmlElement* element) { return CreateNamed<Animation>(element); }
Widget* CreateWater(const TiXmlElement* element) { return CreateNamed<Water>(element); }
