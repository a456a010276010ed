#include "gui/Widget.h"

#include "engine/platform/CustomCursor.h"
#include "engine/render/ImageData.h"
#include "engine/render/RenderDevice.h"
#include "gui/StringTable.h"

namespace {

const int kScreenWidth = 800;
const int kScreenHeight = 600;

Point Difference(const Point& a, const Point& b)
{
    return Point(a.x - b.x, a.y - b.y);
}

// The first byte of the mask's pixel at (x, y), the row counted from the
// bottom as the picture is stored; 0 outside the picture.
int MaskValue(const ImageData& mask, int x, int y)
{
    const unsigned char* pixels = mask.Pixels();
    if (!pixels || x < 0 || y < 0 || x >= mask.width || y >= mask.height)
        return 0;
    const int bytesPerPixel = mask.bytesPerPixel > 0 ? mask.bytesPerPixel : 4;
    return pixels[(static_cast<long>(y) * mask.width + x) * bytesPerPixel];
}

// Both edges count as inside.
bool Contains(const Rect& r, const Point& p)
{
    return p.x >= r.x && p.x <= r.x + r.w && p.y >= r.y && p.y <= r.y + r.h;
}

} // namespace

Widget::Widget(const std::string& widgetName)
    : name(widgetName)
{
}

Widget::Widget(const std::string& widgetName, const Rect& area)
    : name(widgetName)
    , size(area.w, area.h)
    , position(area.x, area.y)
    , rect(area)
{
}

Widget::~Widget() = default;

bool Widget::MouseDown(const Point& p)
{
    bool childTook = false;
    // A copy: a child's handler may relink the widgets.
    const std::vector<Widget*> offered = children;
    for (Widget* child : offered) {
        if (child->MouseDown(p))
            childTook = true;
    }
    if (!HitTest(p))
        return childTook;
    if (childTook)
        return true;
    if (ignoresMouse)
        return false;
    pressed = true;
    pressPoint = p;
    pressPosition = position;
    if (g_cursor)
        g_cursor->SetPressed();
    return true;
}

void Widget::MouseDoubleClick(const Point&) {}

void Widget::MouseUp(const Point& p)
{
    pressed = false;
    const std::vector<Widget*> offered = children;
    for (Widget* child : offered) {
        child->MouseUp(p);
        child->MouseMove(p);
    }
    MouseMove(p);
}

void Widget::ClampDragToScreen(const Point& p)
{
    // Each correction re-anchors the drag so that the widget follows the
    // mouse at once when it comes back.
    auto reanchor = [&]() {
        pressPoint = p;
        pressPosition = position;
    };
    if (position.x > kScreenWidth - size.x) {
        position.x = kScreenWidth - size.x;
        reanchor();
    }
    if (position.y > kScreenHeight - size.y) {
        position.y = kScreenHeight - size.y;
        reanchor();
    }
    if (position.x < 0) {
        position.x = 0;
        reanchor();
    }
    if (position.y < 0) {
        position.y = 0;
        reanchor();
    }
}

void Widget::MouseMove(const Point& p)
{
    if (pressed && !fixed) {
        position = pressPosition + Difference(p, pressPoint);
        ClampDragToScreen(p);
        // Parent-based, so that following the parent below keeps the widget
        // where it was dragged to.
        offset = Difference(position, ParentPosition());
        UpdateRect();
    }

    if (HitTest(p)) {
        hovered = true;
        if (((activeCursor && !ignoresMouse) || (!activeCursor && pressed)) && g_cursor)
            g_cursor->SetActive();
    } else {
        hovered = false;
    }

    if (parent) {
        position = offset + parent->position;
        UpdateRect();
    }

    const std::vector<Widget*> offered = children;
    for (Widget* child : offered)
        child->MouseMove(p);
}

void Widget::Draw() {}

void Widget::Reset() {}

void Widget::AcceptMessage(const Message&) {}

Message Widget::QueryState(const Message&)
{
    return Message();
}

void Widget::DrawAll()
{
    Draw();
    for (Widget* child : children)
        child->DrawAll();
    DrawEffects();
}

void Widget::DrawEffects()
{
    // Effect positions are relative to the widget.
    effects.DrawAt(position);
}

bool Widget::HitTest(const Point& p) const
{
    if (mask) {
        if (!Contains(rect, p))
            return false;
        return MaskValue(*mask, p.x - position.x, p.y - position.y) > maskThreshold;
    }
    const Rect shrunk(rect.x + margin, rect.y + margin, rect.w - 2 * margin, rect.h - 2 * margin);
    return Contains(shrunk, p);
}

ParticleEffect* Widget::AddEffect(const std::string& effectName, float x, float y)
{
    return effects.Add(effectName, x, y);
}

void Widget::SetText(const std::string& value)
{
    if (!value.empty() && value[0] == '#')
        text = GetText(value.substr(1));
    else
        text = value;
}

void Widget::SetRect(int x, int y, int width, int height)
{
    rect = Rect(x, y, width, height);
    position = Point(x, y);
    size = Point(width, height);
}

void Widget::SetPosition(const Point& topDown)
{
    position = Point(topDown.x, kScreenHeight - topDown.y);
    offset = position;
    UpdateRect();
    for (Widget* child : children) {
        child->position = child->offset + position;
        child->UpdateRect();
    }
}

void Widget::setColor(const Color& value)
{
    color = value;
    for (Widget* child : children)
        child->color = value;
}

Point Widget::ParentPosition() const
{
    return parent ? parent->position : Point(0, 0);
}
