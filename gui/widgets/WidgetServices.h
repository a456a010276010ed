#pragma once

// What widgets take from the services around them: pictures by name, the
// click sample, and the widgets of a layer. Each goes to the engine's
// service unless a test installed a stand-in.

#include <functional>
#include <string>

class Sprite;
class Widget;

// A name beginning with "#" is a registered picture (null when none is); any
// other name is an image file, loaded and uploaded for the caller, who owns
// the new sprite.
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
