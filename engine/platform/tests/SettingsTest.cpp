#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

TEST(ParseSettingsLine, Table)
{
    struct Case { const char* line; bool ok; const char* key; const char* value; };
    const Case cases[] = {
        {"path = ..\\data", true, "path", "..\\data"},
        {"  _key9=value  ", true, "_key9", "value  "},   // trailing blanks stay
        {"key = = 1", true, "key", "1"},                  // blanks and "=" before the value are skipped
        {"key junk = v", true, "key", "v"},               // other characters may stand before "="
        {"key =", false, "", ""},                         // nothing behind the equals sign
        {"key = ", false, "", ""},
        {"key value", false, "", ""},                     // no equals sign
        {"key", false, "", ""},                           // key runs to the end
        {"", false, "", ""},
        {"=== ", false, "", ""},
        {"-- key = v", true, "key", "v"},
    };
    for (const Case& c : cases) {
        std::string key = "unchanged", value = "unchanged";
        EXPECT_EQ(ParseSettingsLine(c.line, key, value), c.ok) << c.line;
        if (c.ok) {
            EXPECT_EQ(key, c.key) << c.line;
            EXPECT_EQ(value, c.value) << c.line;
        }
    }
}

TEST(ReadSettingsFile, PositionGivesTheMeaning)
{
    TempDir dir;
    WriteTextFile(dir.File("settings.ini"),
                  "nopath = x\r\n"
                  "a = 1\r\n"
                  "whatever = true\r\n"
                  "target = saver.scr\r\n"
                  "x = 1\r\n"
                  "splash = no\r\n"
                  "png = true\r\n"
                  "pairs = false\r\n"
                  "first = TRUE\r\n"
                  "log = 1\r\n"
                  "trunc = 0\r\n"
                  "version = 3abc\r\n"
                  "title = My Title\r\n"
                  "high = true\r\n");
    ScopedCurrentDir cwd(dir.Path());
    const Settings s = ReadSettingsFile("settings.ini");
    EXPECT_EQ(s.path, "");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir.Path()));
    EXPECT_TRUE(s.useScreensaver);
    EXPECT_EQ(s.exitTarget, "saver.scr");
    EXPECT_TRUE(s.useExternalScreensaver);
    EXPECT_TRUE(s.countSplashes);
    EXPECT_TRUE(s.loadPngImages);
    EXPECT_FALSE(s.useJpegPairs);
    EXPECT_FALSE(s.runFirstStart); // "TRUE" is not true
    EXPECT_TRUE(s.logInGameFolder);
    EXPECT_FALSE(s.truncateLog);
    EXPECT_EQ(s.requiredGameInfoVersion, 3);
    EXPECT_EQ(s.windowTitle, "My Title");
    EXPECT_TRUE(s.editAcceptsHighCharacters);
}

TEST(ReadSettingsFile, MissingAndBadLinesKeepDefaults)
{
    TempDir dir;
    WriteTextFile(dir.File("settings.ini"), "path = .\n\nbroken line\nx =\n");
    ScopedCurrentDir cwd(dir.Path());
    const Settings s = ReadSettingsFile("settings.ini");
    const Settings defaults;
    EXPECT_FALSE(s.useScreensaver);
    EXPECT_EQ(s.exitTarget, defaults.exitTarget);
    EXPECT_FALSE(s.countSplashes);
    EXPECT_EQ(s.useJpegPairs, true);
    EXPECT_EQ(s.truncateLog, true);
    EXPECT_EQ(s.requiredGameInfoVersion, 1);
    EXPECT_EQ(s.windowTitle, "Velmora Ascendant");

    const Settings none = ReadSettingsFile("missing.ini");
    EXPECT_EQ(none.windowTitle, "Velmora Ascendant");
    EXPECT_EQ(none.requiredGameInfoVersion, 1);
}

TEST(ReadSettingsFile, PathLineChangesTheFolderBeforeTheRest)
{
    TempDir dir;
    WriteTextFile(dir.File("launcher/settings.ini"), "path = ..\\Data\ntwo = 1\nthree = true\n");
    std::filesystem::create_directories(dir.File("data"));
    ScopedCurrentDir cwd(dir.File("launcher"));
    const Settings s = ReadSettingsFile("settings.ini");
    EXPECT_EQ(s.path, "..\\Data");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(dir.File("data")));
    EXPECT_TRUE(s.useScreensaver);
}

TEST(CountSplashes, BothOneOrNone)
{
    struct Case { bool splash2; bool splash1; int expected; };
    const Case cases[] = {{true, true, 2}, {false, true, 1}, {true, false, 1}, {false, false, 0}};
    for (const Case& c : cases) {
        TempDir dir;
        std::filesystem::create_directories(dir.File("data"));
        if (c.splash2)
            WriteTextFile(dir.File("fsdata/splash2.jpg"), "x");
        if (c.splash1)
            WriteTextFile(dir.File("fsdata/splash1.jpg"), "x");
        ScopedCurrentDir cwd(dir.File("data"));
        EXPECT_EQ(CountSplashes(), c.expected) << c.splash2 << c.splash1;
    }
}

TEST(PrepareAppDataFolder, UnderTheUsersDataFolder)
{
    const std::string folder = PrepareAppDataFolder();
    EXPECT_EQ(folder, DataHome() + "/Tovarin Entertainment/Velmora Ascendant");
    ASSERT_TRUE(std::filesystem::is_directory(folder));
    const auto perms = std::filesystem::status(folder).permissions();
    EXPECT_EQ(perms & std::filesystem::perms::others_write, std::filesystem::perms::none);
}

TEST(PrepareAppDataFolder, NoDataFolderFallsBackToThePlayersHome)
{
    TempDir home;
    const std::string savedXdg = DataHome();
    const char* savedHome = std::getenv("HOME");
    const std::string homeBefore = savedHome ? savedHome : "";
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", home.Path().c_str(), 1);
    const std::string folder = PrepareAppDataFolder();
    setenv("XDG_DATA_HOME", savedXdg.c_str(), 1);
    setenv("HOME", homeBefore.c_str(), 1);
    EXPECT_EQ(folder, home.Path() + "/.local/share/Tovarin Entertainment/Velmora Ascendant");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}
