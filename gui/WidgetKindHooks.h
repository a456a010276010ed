#pragma once

// The game's screens live outside the engine: their widget kinds ("Map",
// "Help", "MenuEffect", ...) have their place in the widget factory's table
// but no creator there. The screens install each creator here before the
// registration step runs; a kind without one is not registered, and the
// engine links and runs without the screens.

#include <string>

class TiXmlElement;
class Widget;

using OutsideWidgetCreator = Widget* (*)(const TiXmlElement* element);

// Installs (or with null removes) the creator of an outside kind. A creator
// follows the factory's rule: no "name" attribute, no widget.
void SetOutsideWidgetCreator(const std::string& typeName, OutsideWidgetCreator creator);

// The installed creator of that kind, or null.
OutsideWidgetCreator FindOutsideWidgetCreator(const std::string& typeName);
