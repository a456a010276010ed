#include "gui/controllers/ControllerFactory.h"

#include "engine/platform/HtmlLog.h"
#include "gui/controllers/CrossFade.h"
#include "gui/controllers/Fader.h"
#include "gui/controllers/WidgetMover.h"

void RegisterControllerKinds()
{
    controlFactory.Register("Fader", CreateFader);
    controlFactory.Register("CrossFade", CreateCrossFade);
    controlFactory.Register("WidgetMover", CreateWidgetMover);
}

void LogControllerArgumentError(const std::string& kind, const std::string& problem)
{
    LogError("Controller error", kind + ": " + problem);
}

Widget* RequiredWidgetArgument(VariableSet& variables, const std::string& kind)
{
    Widget* const* widget = RequiredArgument<Widget*>(variables, kind, "Widget");
    if (!widget)
        return nullptr;
    if (!*widget)
        LogControllerArgumentError(kind, "the argument \"Widget\" names no widget; no controller was made");
    return *widget;
}
