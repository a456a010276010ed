#pragma once

// The main menu's greeting (widget kind "ProfileButton"): "#Welcome", the
// active player's name in the font "Letter" beside it, and under them the
// "#ChangeUser" picture, which glows ("#ChangeUserGlow", added light) under
// the mouse. The whole greeting is one button centred on its point; a click
// posts (its name, "press"). "SetProfile" (data: the name) changes the name.
// Hidden, it neither draws nor takes presses.
//
//   <ProfileButton name="Profile" profileOffsetX="6" profileOffsetY="4" changeUserOffset="-40">
//     <position x="620" y="200"/>
//   </ProfileButton>

#include "gui/Widget.h"

class Sprite;
class TiXmlElement;

class ProfileButton : public Widget {
public:
    ProfileButton(const std::string& widgetName, const TiXmlElement* element);

    bool MouseDown(const Point& p) override;
    void MouseUp(const Point& p) override;
    void MouseMove(const Point& p) override;
    // Lays the greeting out around the centre point (its rectangle follows
    // the name's width) and draws it.
    void Draw() override;
    void AcceptMessage(const Message& message) override;

    Sprite* welcome = nullptr;
    Sprite* changeUser = nullptr;
    Sprite* changeUserGlow = nullptr;
    std::string playerName = "Player";
    int profileOffsetX = 0;
    int profileOffsetY = 0;
    int changeUserOffset = 0;
    Point centre;
    int totalWidth = 0;
};

Widget* CreateProfileButton(const TiXmlElement* element);
