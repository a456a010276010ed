#include "game/screens/TestWidget.h"

#include "game/screens/MediaText.h"
#include "game/screens/MediaTextFile.h"
#include "game/screens/MediaTextUpdater.h"
#include "gui/WidgetFactory.h"
#include "gui/controllers/ControllerManager.h"

TestWidget::TestWidget(const std::string& widgetName, const TiXmlElement*) : Widget(widgetName)
{
    kernel.AddController(new MediaTextUpdater(this));
    _media = ReadMediaTextFile("mediaText.xml");
}

TestWidget::~TestWidget()
{
    kernel.StopControllersOf(this);
}

void TestWidget::Draw()
{
    if (_media)
        _media->Draw();
}

Widget* CreateTestWidget(const TiXmlElement* element)
{
    return CreateWidgetOfKind<TestWidget>(element);
}
