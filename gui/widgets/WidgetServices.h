#pragma once

// What widgets take from the services around them: pictures by name, the
// click sample, and the widgets of a layer. Each goes to the engine's
// service unless a test installed a stand-in.

#include <functional>
#include <string>

class Sprite;
class Widget;

// The registered picture of a "#id" name; null when none is, and for any
// other name.
Sprite* GetWidgetPicture(const std::string& name);
void PlayWidgetSample(const std::string& name);
// The widget of that name in the named layer, or null.
Widget* FindLayerWidget(const std::string& layerName, const std::string& widgetName);

struct WidgetServiceHooks {
    std::function<Sprite*(const std::string&)> picture;
    std::function<void(const std::string&)> sample;
    std::function<Widget*(const std::string&, const std::string&)> layerWidget;
};
// Empty hooks fall back to the engine's services.
void InstallWidgetServiceHooks(const WidgetServiceHooks& hooks);
