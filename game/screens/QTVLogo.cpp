#include "game/screens/QTVLogo.h"

#include "engine/util/FileSystem.h"
#include "game/screens/WebsiteShortcut.h"
#include "gui/WidgetFactory.h"
#include "gui/widgets/WidgetElements.h"
#include "gui/widgets/WidgetServices.h"

#include <tinyxml.h>

namespace {

OwnedSprite LoadIfReadable(const std::string& name)
{
    if (!FileExists(name))
        return OwnedSprite();
    return LoadSpriteFile(name);
}

bool Contains(const Rect& r, const Point& p)
{
    return p.x >= r.x && p.x <= r.x + r.w && p.y >= r.y && p.y <= r.y + r.h;
}

} // namespace

QTVLogo::QTVLogo(const std::string& widgetName, const TiXmlElement* element)
    : Widget(widgetName)
{
    fixed = true;
    g_logoWidget = this;
    _normal = LoadIfReadable("..\\fsdata\\logo_na.png");
    _hover = LoadIfReadable("..\\fsdata\\logo_a.png");
    if (_normal && _hover)
        _animator = std::make_unique<QTVLogoAnimator>(_normal.get());
    if (const TiXmlElement* position = element ? element->FirstChildElement("position") : nullptr)
        ReadWidgetPosition(*this, position);
    if (_normal)
        SetWidgetSize(*this, _normal->imageWidth, _normal->imageHeight);
    else
        SetWidgetSize(*this, 100, 100);
}

QTVLogo::~QTVLogo()
{
    if (g_logoWidget == this)
        g_logoWidget = nullptr;
}

bool QTVLogo::MouseDown(const Point& p)
{
    if (!_animator || !enabled)
        return false;
    if (Contains(rect, p) && !pressed)
        PlayWidgetSample("ButtonClick");
    return Widget::MouseDown(p);
}

void QTVLogo::MouseUp(const Point& p)
{
    if (!_animator || !enabled) {
        // A press held while the button went off opens nothing later.
        pressed = false;
        return;
    }
    if (hovered && pressed)
        OpenWebsiteShortcut("..\\website.url");
    Widget::MouseUp(p);
}

void QTVLogo::MouseMove(const Point& p)
{
    if (!_animator || !enabled)
        return;
    Widget::MouseMove(p);
    _animator->SwitchTo(hovered ? _hover.get() : _normal.get());
}

void QTVLogo::Draw()
{
    if (_animator && enabled)
        _animator->Draw(position.x, position.y);
}

void QTVLogo::Update(float step)
{
    if (_animator)
        _animator->Update(step);
}

Widget* CreateQTVLogo(const TiXmlElement* element)
{
    return CreateWidgetOfKind<QTVLogo>(element);
}
