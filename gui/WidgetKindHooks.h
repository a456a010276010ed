#pragma once

// The game's screens live outside the engine: their widget kinds ("Map",
// "Help", "MenuEffect", ...) have their place in the widget factory's table
// but no creator there. The factory registers each of them with
// CreateOutsideWidget, which asks for the installed creator every time a
// layer file names the kind, so the screens may install their creators
// before or after the registration step. The engine links and runs without
// the screens: a layer file that names a kind whose creator is not installed
// gets a log line and no widget.

#include <string>

class TiXmlElement;
class Widget;

using OutsideWidgetCreator = Widget* (*)(const TiXmlElement* element);

// Installs (or with null removes) the creator of an outside kind. A creator
// follows the factory's rule: no "name" attribute, no widget.
void SetOutsideWidgetCreator(const std::string& typeName, OutsideWidgetCreator creator);

// The installed creator of that kind, or null.
OutsideWidgetCreator FindOutsideWidgetCreator(const std::string& typeName);

// The factory's creator of every outside kind: the widget made by the
// creator installed for the element's own name. Null without a "name"
// attribute (silently, as for every kind) or without an installed creator
// (with a log line naming the kind and the widget).
Widget* CreateOutsideWidget(const TiXmlElement* element);

// The log line of a named widget whose kind has no creator in this run.
void LogMissingWidgetCreator(const std::string& typeName, const std::string& widgetName);
