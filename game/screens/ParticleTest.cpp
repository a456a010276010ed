#include "game/screens/ParticleTest.h"

#include "game/screens/ParticleTestController.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"
#include "gui/effects/ParticleEffect.h"

ParticleTest::ParticleTest(const std::string& widgetName, const TiXmlElement*)
    : ParticleTest(widgetName, g_particleTestController)
{
}

ParticleTest::ParticleTest(const std::string& widgetName, ParticleTestController& controller)
    : Widget(widgetName)
{
    controller.widget = this;
    kernel.AddProcessWideController(&controller);
}

bool ParticleTest::MouseDown(const Point& p)
{
    // Effects are drawn at the widget's position.
    AddEffect("MouseDown", static_cast<float>(p.x - position.x), static_cast<float>(p.y - position.y));
    return false;
}

Widget* CreateParticleTest(const TiXmlElement* element)
{
    return CreateWidgetOfKind<ParticleTest>(element);
}
