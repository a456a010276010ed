#pragma once

// The base of every screen element: a name, a place on the 800 x 600 screen
// (y growing upward), a colour, children and a parent, input flags and the
// attached particle effects. It routes mouse events to its children, drags,
// hit-tests (with an optional alpha mask), gives hover feedback on the cursor
// and draws its children and effects after itself.

#include "engine/util/Color.h"
#include "engine/util/Point.h"
#include "engine/render/Rect.h"
#include "gui/Message.h"
#include "gui/effects/EffectList.h"

#include <string>
#include <vector>

struct ImageData;
class ParticleEffect;

class Widget {
public:
    explicit Widget(const std::string& widgetName);
    Widget(const std::string& widgetName, const Rect& area);
    // Deletes neither children nor effects: the layer deletes every widget,
    // the effect observer every effect.
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // True when the press was taken by this widget or one of its children.
    virtual bool MouseDown(const Point& p);
    virtual void MouseDoubleClick(const Point& p);
    virtual void MouseUp(const Point& p);
    virtual void MouseMove(const Point& p);
    virtual void Draw();
    virtual void Reset();
    virtual void AcceptMessage(const Message& message);
    virtual Message QueryState(const Message& message);

    // The widget, then its children, then its effects (DrawEffects).
    void DrawAll();
    // The widget's particle effects at its position. A widget that draws
    // them itself, between its own layers, does nothing here.
    virtual void DrawEffects();
    bool HitTest(const Point& p) const;

    // Makes the effect of that name, placed at (x, y) relative to the
    // widget and started there, and attaches it.
    ParticleEffect* AddEffect(const std::string& effectName, float x, float y);
    // A text beginning with "#" is a string id of the text resources.
    void SetText(const std::string& value);
    // Screen-space rectangle; offset and children are left alone.
    void SetRect(int x, int y, int width, int height);
    // A point with y counted downward from the top; moves the direct children.
    void SetPosition(const Point& topDown);
    void setVisible(bool value) { visible = value; }
    void SetColor(const Color& value) { color = value; }
    Color GetColor() const { return color; }
    // The widget's colour and that of its direct children.
    void setColor(const Color& value);
    // The parent's position, or (0, 0) without a parent.
    Point ParentPosition() const;

    std::vector<Widget*> children;
    Widget* parent = nullptr;
    bool fixed = false;
    bool visible = true;
    bool activeCursor = true;
    bool pressed = false;
    bool hovered = false;
    bool ignoresMouse = false;
    Point pressPoint;
    Point pressPosition;
    std::string text;
    Color color;
    const ImageData* mask = nullptr; // not owned; rows from the bottom, 4 bytes a pixel
    int maskThreshold = 200;
    int margin = 0;
    EffectList effects;
    std::string name;
    std::string parentName;
    std::string layerName;
    Point size; // x = width, y = height
    Point position;
    Point offset;
    Rect rect;

private:
    void UpdateRect() { rect = Rect(position, size); }
    void ClampDragToScreen(const Point& p);
};
