#pragma once

// A message box made in a folder of its own: Messages.xml with the message
// "hello" (one line of 200 points at 10 points a character... as the fake
// fonts measure), buttons.xml with a check box of 60 x 32 and a button of
// 80 x 48, stand-in pictures and a player whose hints are on or off.

#include "WidgetTestSupport.h"

#include "game/screens/MessageBox.h"
#include "game/state/GameInfo.h"
#include "gui/FontAccess.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class MessageBoxFixture : public ::testing::Test, public FontMetricsSource {
protected:
    MessageBoxFixture()
        : _cwd(_dir.Path())
    {
        SetFontMetricsSource(this);
        testing_support::WriteTextFile(_dir.File("Messages.xml"),
                                       "<Messages><Message name=\"other\"><Text><string>x</string></Text></Message>"
                                       "<Message name=\"hello\"><Text><string font=\"f\">twenty characters...</string></Text></Message>"
                                       "<Message name=\"hello\"><Text><string>second</string></Text></Message></Messages>");
        testing_support::WriteTextFile(
            _dir.File("buttons.xml"),
            "<Buttons><MessageBoxBtn1><state on=\"#On\" off=\"#Off\"/><text>Show tips</text></MessageBoxBtn1>"
            "<MessageBoxBtn2><state normal=\"#Normal\" active=\"#Active\" pressed=\"#Pressed\"/></MessageBoxBtn2></Buttons>");
        services.AddPicture("#On", 60, 32);
        services.AddPicture("#Off", 60, 32);
        for (const char* id : {"#Normal", "#Active", "#Pressed"})
            services.AddPicture(id, 80, 48);
        info.AddNewPlayer("P");
    }
    ~MessageBoxFixture() override { SetFontMetricsSource(nullptr); }

    int LineHeight(const std::string&) override { return 20; }
    int TextWidth(const std::string& text, const std::string&) override { return 10 * static_cast<int>(text.size()); }

    std::unique_ptr<MessageBox> Make(const std::string& name = "hello")
    {
        return std::make_unique<MessageBox>(name, info);
    }

    testing_support::TempDir _dir;
    testing_support::ScopedCurrentDir _cwd;
    testing_support::ScopedLogFile _log;
    FakeWidgetServices services;
    GameInfo info;
};
