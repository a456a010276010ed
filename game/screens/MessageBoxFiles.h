#pragma once

// What the in-game message box reads: its text from Messages.xml and its
// two buttons from buttons.xml.
//
// Messages.xml: the root's "Message" children, each with the attribute
// "name" and a child "Text" (a text block); the first "Message" of a name
// counts.
// buttons.xml: the root's child "MessageBoxBtn1" (a check box element) and
// "MessageBoxBtn2" (a button element).

#include "gui/TextResource.h"

#include <memory>
#include <string>

class Button;
class CheckBox;

// The text of the message of that name; null when the file does not load
// (logged) or has no such message.
std::unique_ptr<TextBlock> LoadMessageText(const std::string& fileName, const std::string& messageName);

struct MessageBoxButtons {
    std::unique_ptr<CheckBox> checkBox; // "MessageBoxBtn1"
    std::unique_ptr<Button> button;     // "MessageBoxBtn2"
};

// The two buttons, each absent when the file (logged) or its element is.
MessageBoxButtons LoadMessageBoxButtons(const std::string& fileName);
