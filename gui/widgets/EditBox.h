#pragma once

// The one-line text entry. It has no focus: every edit box of the current
// layer gets every typed character as a "KeyPress" message. Letters, digits,
// spaces after the first character and (when settings.ini allows them) codes
// 192 to 255 are taken up to the limit; Backspace deletes, Enter posts
// ("Ok", "press"). "Clear" empties it and the query "Text" answers the text.

#include "gui/Widget.h"

#include <string>

class EditBoxCaret;
class TiXmlElement;

class EditBox : public Widget {
public:
    // The most characters a text may hold: what one line of glyphs lays out.
    static constexpr int kMaxLimit = 100;

    EditBox(const std::string& widgetName, const TiXmlElement* element);
    // Ends the caret's blink; the controller manager then deletes it.
    ~EditBox() override;

    void MouseDoubleClick(const Point& p) override;
    void Draw() override;
    void Reset() override;
    void AcceptMessage(const Message& message) override;
    Message QueryState(const Message& message) override;

    std::string editText;
    std::string font = "text";
    int limit = 20;
    EditBoxCaret* caret = nullptr; // owned by the controller manager

private:
    void KeyPress(int code);
};
