#pragma once

// Turns a widget element of a layer file into a new widget of the kind its
// element name gives ("Button", "Text", "GameField" ...). Filled once by
// RegisterGuiFactories before the script state opens; a registration is
// never replaced.

#include <map>
#include <string>

#include <tinyxml.h>

class Widget;

// Builds a widget from its element, or returns null; the caller owns it.
using WidgetCreator = Widget* (*)(const TiXmlElement* element);

class WidgetFactory {
public:
    // False (and nothing changes) when the type name is registered already.
    bool Register(const std::string& typeName, WidgetCreator creator);
    // The creator of the element's own name; null for an unknown name.
    Widget* CreateWidget(const TiXmlElement* element) const;

    bool IsRegistered(const std::string& typeName) const { return _creators.count(typeName) != 0; }
    std::size_t Size() const { return _creators.size(); }

private:
    std::map<std::string, WidgetCreator> _creators;
};

extern WidgetFactory g_widgetFactory;

// The creator contract shared by every kind: no "name" attribute, no widget;
// otherwise the kind built from (name, element). An empty name still makes one.
template <typename Kind>
Widget* CreateWidgetOfKind(const TiXmlElement* element)
{
    if (!element)
        return nullptr;
    const char* name = element->Attribute("name");
    if (!name)
        return nullptr;
    return new Kind(std::string(name), element);
}

// Registers the controller kinds "Fader", "CrossFade" and "WidgetMover",
// then the widget kinds in their fixed order.
void RegisterGuiFactories();
