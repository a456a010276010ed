#include "gui/WidgetFactory.h"
#include "gui/WidgetKindHooks.h"
#include "gui/controllers/ControllerFactory.h"
#include "gui/widgets/Text.h"
#include "tests/support/ScopedLogFile.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <memory>

namespace {

Widget* MakeNothing(const TiXmlElement*)
{
    return nullptr;
}

std::unique_ptr<Widget> Create(const WidgetFactory& factory, const char* xml)
{
    TiXmlDocument document;
    document.Parse(xml);
    return std::unique_ptr<Widget>(factory.CreateWidget(document.RootElement()));
}

} // namespace

TEST(WidgetFactory, RegistrationIsNeverReplacedAndNamesAreExact)
{
    WidgetFactory factory;
    EXPECT_TRUE(factory.Register("Text", CreateText));
    EXPECT_FALSE(factory.Register("Text", MakeNothing));

    const auto text = Create(factory, "<Text name='caption'/>");
    ASSERT_NE(text, nullptr);
    EXPECT_NE(dynamic_cast<Text*>(text.get()), nullptr);
    EXPECT_EQ(text->name, "caption");

    EXPECT_EQ(Create(factory, "<text name='caption'/>"), nullptr);
    EXPECT_EQ(Create(factory, "<Button name='b'/>"), nullptr);
}

TEST(WidgetFactory, CreatorsNeedANameAttributeButAcceptAnEmptyOne)
{
    WidgetFactory factory;
    factory.Register("Text", CreateText);
    EXPECT_EQ(Create(factory, "<Text/>"), nullptr);
    const auto unnamed = Create(factory, "<Text name=''/>");
    ASSERT_NE(unnamed, nullptr);
    EXPECT_EQ(unnamed->name, "");
}

TEST(WidgetFactory, RegistrationStepEntersControllerAndWidgetKinds)
{
    RegisterGuiFactories();
    for (const char* kind : {"Fader", "CrossFade", "WidgetMover"})
        EXPECT_TRUE(controlFactory.IsRegistered(kind)) << kind;
    EXPECT_EQ(controlFactory.Size(), 3u);
    // Only the kinds this build has are entered.
    EXPECT_TRUE(g_widgetFactory.IsRegistered("Text"));
    EXPECT_TRUE(g_widgetFactory.IsRegistered("GameField"));
    EXPECT_FALSE(g_widgetFactory.IsRegistered("button"));
    VariableSet none;
    EXPECT_EQ(controlFactory.Create("Unknown", none), nullptr);
}

namespace {

// A screen kind's creator as the screens install it.
Widget* CreateMapStandIn(const TiXmlElement* element)
{
    const char* name = element ? element->Attribute("name") : nullptr;
    return name ? new Widget(name) : nullptr;
}

} // namespace

TEST(WidgetFactory, ScreenKindsComeThroughTheirHooksInTheirPlaces)
{
    const char* screenKinds[] = {"Map", "Help", "Parus", "Shield", "TestWidget", "GameStatistics", "MultList",
                                 "MenuEffect", "History", "ProfileButton", "SSView", "CompleteScreen",
                                 "SaverTooltip", "SplashWait", "QTVLogo", "ParticleTest"};
    for (const char* kind : screenKinds)
        SetOutsideWidgetCreator(kind, CreateMapStandIn);
    WidgetFactory saved = g_widgetFactory;
    g_widgetFactory = WidgetFactory();
    RegisterGuiFactories();
    for (const char* kind : screenKinds)
        EXPECT_TRUE(g_widgetFactory.IsRegistered(kind)) << kind;
    // With the screens' creators installed the registry holds the 29 names of the table.
    EXPECT_EQ(g_widgetFactory.Size(), 29u);
    EXPECT_EQ(Create(g_widgetFactory, "<Map/>"), nullptr);
    EXPECT_NE(Create(g_widgetFactory, "<Map name='world'/>"), nullptr);
    for (const char* kind : screenKinds)
        SetOutsideWidgetCreator(kind, nullptr);
    g_widgetFactory = saved;
}

TEST(WidgetFactory, ACreatorInstalledAfterTheRegistrationStepTakesEffect)
{
    testing_support::ScopedLogFile log;
    SetOutsideWidgetCreator("Help", nullptr);
    WidgetFactory saved = g_widgetFactory;
    g_widgetFactory = WidgetFactory();
    RegisterGuiFactories();
    // Every kind of the table has its place, whether its creator is there yet or not.
    EXPECT_EQ(g_widgetFactory.Size(), 29u);

    // Not installed yet: no widget, and the log names the kind and the widget.
    EXPECT_EQ(Create(g_widgetFactory, "<Help name='pages'/>"), nullptr);
    EXPECT_NE(log.Text().find("GUI file load error"), std::string::npos);
    EXPECT_NE(log.Text().find("&quot;Help&quot;; the widget &quot;pages&quot;"), std::string::npos);

    SetOutsideWidgetCreator("Help", CreateMapStandIn);
    const auto help = Create(g_widgetFactory, "<Help name='pages'/>");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->name, "pages");
    // The factory's rule holds for outside kinds too: no name, no widget, no log line.
    const std::string before = log.Text();
    EXPECT_EQ(Create(g_widgetFactory, "<Help/>"), nullptr);
    EXPECT_EQ(log.Text(), before);

    // Taken out again: the kind is left out with a log line once more.
    SetOutsideWidgetCreator("Help", nullptr);
    EXPECT_EQ(Create(g_widgetFactory, "<Help name='again'/>"), nullptr);
    EXPECT_NE(log.Text().find("&quot;again&quot;"), std::string::npos);
    g_widgetFactory = saved;
}
