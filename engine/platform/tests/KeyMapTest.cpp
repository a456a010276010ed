#include "engine/platform/Application.h"
#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include "tests/support/NullFrameServices.h"

#include <gtest/gtest.h>

#include <memory>

using namespace testing_support;

namespace {

// An application in a game folder holding the given KeyMap.xml (none when
// the text is empty), and what loading it logged.
struct KeyMapFixture {
    TempDir game;
    ScopedLogFile logFile;
    std::unique_ptr<ScopedCurrentDir> cwd;
    std::unique_ptr<Application> app;

    explicit KeyMapFixture(const std::string& keyMap)
    {
        if (!keyMap.empty())
            WriteTextFile(game.File("keymap.xml"), keyMap);
        cwd = std::make_unique<ScopedCurrentDir>(game.Path());
        app = std::make_unique<Application>(false, std::make_unique<testing_support::NullFrameServices>());
        app->LoadKeyMap();
        logFile.Close();
    }
};

} // namespace

TEST(KeyMap, KeysBindByTheCodeOfTheirFirstCharacter)
{
    KeyMapFixture f("<Keys>\n"
                    "  <Key key=\"A\" script=\"a()\"/>\n"
                    "  <Key key=\"a\" script=\"lower()\"/>\n"     // 97: above 90, ignored
                    "  <Key key=\"P\" script=\"first()\"/>\n"
                    "  <Key key=\"Pause\" script=\"second()\"/>\n" // only 'P' counts; replaces
                    "  <Key key=\"5\" script=\"five()\"/>\n"
                    "  <Key key=\" \" script=\"space()\"/>\n"
                    "  <Key key=\"Z\"/>\n"                         // no script: bound to nothing
                    "  <Key key=\"\xE9\" script=\"accent()\"/>\n"  // above 127: ignored
                    "  <Key script=\"nokey()\"/>\n"                // code 0
                    "  <Other key=\"B\" script=\"b()\"/>\n"         // not a Key
                    "</Keys>\n");
    ASSERT_EQ(f.app->keyScripts.size(), 91u);
    EXPECT_EQ(f.app->keyScripts['A'], "a()");
    EXPECT_EQ(f.app->keyScripts['P'], "second()");
    EXPECT_EQ(f.app->keyScripts['5'], "five()");
    EXPECT_EQ(f.app->keyScripts[' '], "space()");
    EXPECT_EQ(f.app->keyScripts['Z'], "");
    EXPECT_EQ(f.app->keyScripts[0], "nokey()");
    EXPECT_EQ(f.app->keyScripts['B'], "");
    EXPECT_EQ(f.logFile.Text().find("Can't load KeyMap.xml!"), std::string::npos);
}

TEST(KeyMap, AMissingOrBrokenFileIsLoggedAndBindsNothing)
{
    for (const std::string& keyMap : {std::string(), std::string("<Keys><Key key=\"A\" script=\"a()\">")}) {
        KeyMapFixture f(keyMap);
        for (const std::string& script : f.app->keyScripts)
            EXPECT_EQ(script, "");
        const std::string log = f.logFile.Text();
        EXPECT_NE(log.find("ERROR : </B></Font><Font Size = 1 Color = Black Face = Verdana>Can't load KeyMap.xml!"),
                  std::string::npos)
            << log;
    }
}
