#include "WidgetTestSupport.h"

#include "gui/Widget.h"
#include "gui/widgets/WidgetCreators.h"

#include <gtest/gtest.h>

namespace {

struct CreatorCase {
    const char* type;
    Widget* (*create)(const TiXmlElement*);
};

const CreatorCase kCreators[] = {
    {"Button", CreateButton}, {"CheckBox", CreateCheckBox}, {"Slider", CreateSlider},
    {"Panel", CreatePanel},   {"SolidRect", CreateSolidRect}, {"EditBox", CreateEditBox}, {"ListBox", CreateListBox}, {"Animation", CreateAnimation}, {"Water", CreateWater},
};

TEST(WidgetCreators, ANamedElementMakesAWidgetOfThatName)
{
    FakeWidgetServices services;
    for (const CreatorCase& c : kCreators) {
        XmlElement element(std::string("<") + c.type + " name=\"Some " + c.type + "\"/>");
        std::unique_ptr<Widget> widget(c.create(element));
        ASSERT_NE(nullptr, widget) << c.type;
        EXPECT_EQ(std::string("Some ") + c.type, widget->name);
    }
}

TEST(WidgetCreators, AnElementWithoutNameMakesNothing)
{
    FakeWidgetServices services;
    for (const CreatorCase& c : kCreators) {
        XmlElement element(std::string("<") + c.type + "><position x=\"1\" y=\"1\"/></" + c.type + ">");
        EXPECT_EQ(nullptr, c.create(element)) << c.type;
    }
}

} // namespace
