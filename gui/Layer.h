#pragma once

// One screen page: an optional full-screen background, the page's widgets
// by name (the layer owns them all, children included) and the handler of
// the messages drained into it. Built from a "Layer" element of a layer
// file; kept by the GUI manager for the whole run.

#include "engine/render/Sprite.h"

#include <map>
#include <memory>
#include <string>

class LayerHandler;
class TiXmlElement;
class Widget;

class Layer {
public:
    // Reads the layer: background, controls, handler, then links the widgets.
    explicit Layer(const TiXmlElement* element);
    virtual ~Layer();
    Layer(const Layer&) = delete;
    Layer& operator=(const Layer&) = delete;

    // The background at its picture's size, then the widgets without a
    // parent in name order (each draws its children).
    virtual void Draw();
    // The background is opaque and fills the whole screen: nothing drawn
    // before the layer shows through it.
    bool CoversScreen() const;

    // The widget of that name, or null.
    Widget* getWidget(const std::string& widgetName) const;
    // Every widget of the layer, children too, into the input map.
    void RegisterInput();
    // Adds the widget under its name and sets its layer name; false (and the
    // layer takes nothing) when the name is there already.
    bool AddWidget(Widget* widget);
    // Deletes the widget and the widgets under it at run time. They leave the
    // input map first, and controllers that point at them are stopped.
    void RemoveWidget(const std::string& widgetName);

    LayerHandler* GetHandler() const { return handler.get(); }
    const std::string& GetName() const { return name; }

    Sprite* background = nullptr;
    // The background when the layer loaded it from a file.
    OwnedSprite ownedBackground;
    std::map<std::string, Widget*> widgets;
    std::unique_ptr<LayerHandler> handler;
    std::string name;

private:
    void Load(const TiXmlElement* element);
    void LoadBackground(const TiXmlElement* element);
    void CreateWidgets(const TiXmlElement* controls, const std::string& parentName);
    void LinkWidgets();
};
