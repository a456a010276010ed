#pragma once

// The publisher-logo button (widget kind "QTVLogo"): the logo of
// "..\fsdata\logo_na.png" that cross-fades to "..\fsdata\logo_a.png" under
// the mouse and opens the web page of "..\website.url" when clicked. Without
// both pictures it shows nothing and does nothing. The newest one is
// g_logoWidget: the main loop advances its cross-fade every frame and the
// main menu switches it off (hidden, deaf to the mouse) while its hi-score
// panel is out.

#include "engine/platform/LogoWidget.h"
#include "engine/render/Sprite.h"
#include "game/screens/QTVLogoAnimator.h"
#include "gui/Widget.h"

#include <memory>

class TiXmlElement;

class QTVLogo : public Widget, public UpdatableLogo {
public:
    // A child "position" places it at (x, 600 - y); its size is the normal
    // picture's (100 x 100 without one).
    QTVLogo(const std::string& widgetName, const TiXmlElement* element);
    // Frees both pictures; no longer g_logoWidget.
    ~QTVLogo() override;

    bool MouseDown(const Point& p) override;
    void MouseUp(const Point& p) override;
    void MouseMove(const Point& p) override;
    void Draw() override;
    void Update(float step) override;
    void SetEnabled(bool value) override { enabled = value; }

    const QTVLogoAnimator* Animator() const { return _animator.get(); }
    const Sprite* NormalPicture() const { return _normal.get(); }
    const Sprite* HoverPicture() const { return _hover.get(); }

    bool enabled = true;

private:
    OwnedSprite _normal;
    OwnedSprite _hover;
    std::unique_ptr<QTVLogoAnimator> _animator;
};

Widget* CreateQTVLogo(const TiXmlElement* element);
