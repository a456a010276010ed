#pragma once

// The game's credits: a text and a column of logos roll through a clipped
// pane over an underwater backdrop with swimming fish, two drifting light
// arcs and two rainbows. The roll loops every roll time and starts again on
// the message "Reset". Layer files name it "Credits".

#include "engine/render/Sprite.h"
#include "gui/TextResource.h"
#include "gui/Widget.h"

#include <string>
#include <vector>

class CreditsColorDrift;
class TiXmlElement;

class Credits : public Widget {
public:
    struct Logo {
        Sprite* picture = nullptr; // null when the file did not load
        OwnedSprite owned;         // the picture, when loaded from a file
        int x = 0;
        int y = 0;
    };

    // Reads the element, loads the logos, starts its drift controller and
    // fills the credits' fish and rainbows.
    Credits(const std::string& widgetName, const TiXmlElement* element);
    // Frees the logos; its drift controller finishes.
    ~Credits() override;

    // The credits never take a press.
    bool MouseDown(const Point& p) override;
    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
    // "Reset" starts the roll again; nothing else is heard.
    void AcceptMessage(const Message& message) override;

    // The roll's offset now: from "from" at the start of a pass to "to" at
    // its end; "from" throughout when the roll has no length.
    int ScrollOffset() const;
    // The roll's clock (0 without a drift controller).
    float RollClock() const;

    const TextResource* _text = nullptr; // the GUI manager's "Credits", not owned
    float _rollTime = 0.0f;
    int _from = 0;
    int _to = 0;
    int _paneWidth = 0;
    int _paneHeight = 0;
    Point _textPosition;
    std::vector<Logo> _logos;
    // Owned by the controller manager; cleared when either side goes.
    CreditsColorDrift* _drift = nullptr;

private:
    void Load(const TiXmlElement* element);
    void DrawPane();
    void DrawArcs();

    // The credits text in the widget's colour, copied for drawing.
    TextResource _shownText;
};

// The creator of "Credits" elements.
Widget* CreateCredits(const TiXmlElement* element);
