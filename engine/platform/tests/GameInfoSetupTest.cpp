#include "engine/platform/GameInfoSetup.h"

#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <cerrno>
#include <filesystem>

using namespace testing_support;

namespace {

// A save with `profiles` profiles.
std::string Save(int version, const char* marker, int profiles = 0)
{
    std::string players;
    for (int i = 0; i < profiles; ++i)
        players += "<Player name=\"P" + std::to_string(i) + "\" />";
    return "<GameInfo version=\"" + std::to_string(version) + "\"><Profiles>" + players +
           "</Profiles><Options marker=\"" + marker + "\" /></GameInfo>";
}

bool Holds(const std::string& path, const char* marker)
{
    return ReadTextFile(path).find(std::string("marker=\"") + marker + "\"") != std::string::npos;
}

class GameInfoSetupTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string live = dir.File("app/GameInfo.xml");
    std::string defaults = dir.File("game/GameInfo.xml");
    ScopedLogFile logFile;
    void SetUp() override { WriteTextFile(dir.File("app/.keep"), ""); }
};

} // namespace

TEST_F(GameInfoSetupTest, VersionRules)
{
    struct Case { int liveVersion; int required; bool replaced; };
    const Case cases[] = {{3, 3, false}, {3, 4, true}, {5, 1, false}, {1, 2, true}};
    for (const Case& c : cases) {
        WriteTextFile(live, Save(c.liveVersion, "live", 1));
        WriteTextFile(defaults, Save(9, "default"));
        const GameInfoSetupResult r = PrepareLiveGameInfo(live, defaults, c.required);
        EXPECT_EQ(r, c.replaced ? GameInfoSetupResult::CopiedDefault : GameInfoSetupResult::KeptLive);
        EXPECT_TRUE(Holds(live, c.replaced ? "default" : "live")) << c.liveVersion << " " << c.required;
        if (c.replaced) {
            EXPECT_TRUE(Holds(live + ".bak", "live")); // the replaced save is kept
            // ... and stays the backup past the saves of the default copy.
            TiXmlDocument fresh;
            fresh.Parse(Save(c.required, "saved").c_str());
            for (int save = 0; save < 2; ++save)
                ASSERT_TRUE(SaveGameInfoFile(fresh, live));
            EXPECT_TRUE(Holds(live, "saved"));
            EXPECT_TRUE(Holds(live + ".bak", "live")) << c.liveVersion << " " << c.required;
        }
    }
}

TEST_F(GameInfoSetupTest, AVersionThatDoesNotReadOrMissingProfilesIsADamagedSave)
{
    const std::string good = Save(1, "backup", 2);
    const std::string damaged[] = {
        "<GameInfo version=\"l\"><Profiles><Player name=\"A\" /></Profiles></GameInfo>",
        "<GameInfo version=\"0\"><Profiles><Player name=\"A\" /></Profiles></GameInfo>",
        "<GameInfo version=\"-3\"><Profiles><Player name=\"A\" /></Profiles></GameInfo>",
        "<GameInfo version=\"1x\"><Profiles><Player name=\"A\" /></Profiles></GameInfo>",
        "<GameInfo><Profiles><Player name=\"A\" /></Profiles></GameInfo>",
        "<GameInfo version=\"1\"><Options marker=\"live\" /></GameInfo>",
        "<Other version=\"1\"><Profiles /></Other>",
    };
    for (const std::string& text : damaged) {
        WriteTextFile(live, text);
        WriteTextFile(live + ".bak", good);
        WriteTextFile(defaults, Save(1, "default"));
        EXPECT_EQ(PrepareLiveGameInfo(live, defaults, 1), GameInfoSetupResult::RestoredBackup) << text;
        EXPECT_TRUE(Holds(live, "backup")) << text;
        EXPECT_EQ(ReadTextFile(live + ".broken"), text);
        // Two saves later the backup's profiles are still there.
        TiXmlDocument document;
        document.Parse(good.c_str());
        for (int save = 0; save < 2; ++save)
            ASSERT_TRUE(SaveGameInfoFile(document, live));
        EXPECT_TRUE(Holds(live + ".bak", "backup")) << text;
        EXPECT_EQ(ReadTextFile(live + ".broken"), text);
    }
}

TEST_F(GameInfoSetupTest, ASaveWithoutProfilesNeverReplacesABackupThatHasSome)
{
    struct Case {
        int previousProfiles; // -1: the previous file is damaged
        int backupProfiles;
        bool rotated;
    };
    const Case cases[] = {{2, 1, true}, {1, 0, true}, {0, 0, true}, {0, 2, false}, {-1, 0, false}, {-1, 3, false}};
    for (const Case& c : cases) {
        WriteTextFile(live, c.previousProfiles < 0 ? std::string("<GameInfo version=\"1\"><Opt")
                                                    : Save(1, "previous", c.previousProfiles));
        WriteTextFile(live + ".bak", Save(1, "backup", c.backupProfiles));
        TiXmlDocument document;
        document.Parse(Save(1, "new", 1).c_str());
        ASSERT_TRUE(SaveGameInfoFile(document, live));
        EXPECT_TRUE(Holds(live, "new"));
        EXPECT_TRUE(Holds(live + ".bak", c.rotated ? "previous" : "backup"))
            << c.previousProfiles << " over " << c.backupProfiles;
    }
}

TEST_F(GameInfoSetupTest, AFailedSaveLeavesBothFilesAndSaysWhy)
{
    WriteTextFile(live, Save(1, "previous", 1));
    WriteTextFile(live + ".bak", Save(1, "backup", 1));
    TiXmlDocument document;
    document.Parse(Save(1, "new", 1).c_str());
    // The save's temporary file cannot be made: a folder of that name is in the way.
    std::filesystem::create_directories(live + ".tmp/x");
    errno = 0;
    EXPECT_FALSE(SaveGameInfoFile(document, live));
    EXPECT_NE(errno, 0);
    EXPECT_TRUE(Holds(live, "previous"));
}

TEST_F(GameInfoSetupTest, MissingVersionReadsAsZero)
{
    WriteTextFile(live, "<GameInfo><Options marker=\"live\"/></GameInfo>");
    EXPECT_EQ(ReadGameInfoVersion(live), 0);
    EXPECT_EQ(ReadGameInfoVersion(dir.File("missing.xml")), 0);
}

TEST_F(GameInfoSetupTest, MissingLiveCopyComesFromTheDefaultThroughXml)
{
    WriteTextFile(defaults, "<GameInfo   version=\"1\"><Options marker=\"default\"/></GameInfo>");
    EXPECT_EQ(PrepareLiveGameInfo(live, defaults, 1), GameInfoSetupResult::CopiedDefault);
    // Parsed and written back, not copied byte for byte.
    EXPECT_EQ(ReadTextFile(live).find("<GameInfo   "), std::string::npos);
    EXPECT_TRUE(Holds(live, "default"));
}

TEST_F(GameInfoSetupTest, BrokenLiveCopyIsMovedAsideAndTheBackupRestored)
{
    WriteTextFile(live, "<GameInfo version=\"1\"><Options marker=\"trunc");
    WriteTextFile(live + ".bak", Save(1, "backup"));
    WriteTextFile(defaults, Save(1, "default"));
    EXPECT_EQ(PrepareLiveGameInfo(live, defaults, 1), GameInfoSetupResult::RestoredBackup);
    EXPECT_TRUE(Holds(live, "backup"));
    EXPECT_EQ(ReadTextFile(live + ".broken"), "<GameInfo version=\"1\"><Options marker=\"trunc");
    EXPECT_NE(logFile.Text().find("moved aside"), std::string::npos);
}

TEST_F(GameInfoSetupTest, BrokenLiveCopyWithoutBackupTakesTheDefault)
{
    WriteTextFile(live, "garbage \x01\x02");
    WriteTextFile(defaults, Save(1, "default"));
    EXPECT_EQ(PrepareLiveGameInfo(live, defaults, 1), GameInfoSetupResult::CopiedDefault);
    EXPECT_TRUE(Holds(live, "default"));
    EXPECT_EQ(ReadTextFile(live + ".broken"), "garbage \x01\x02");
}

TEST_F(GameInfoSetupTest, BrokenDefaultCopyWritesNothing)
{
    WriteTextFile(defaults, "<GameInfo version=");
    EXPECT_EQ(PrepareLiveGameInfo(live, defaults, 1), GameInfoSetupResult::Failed);
    EXPECT_FALSE(PathExists(live));

    // An old but good live copy is not replaced by a broken default either.
    WriteTextFile(live, Save(1, "live"));
    EXPECT_EQ(PrepareLiveGameInfo(live, defaults, 2), GameInfoSetupResult::Failed);
    EXPECT_TRUE(Holds(live, "live"));
    EXPECT_NE(logFile.Text().find("Can't load the default copy"), std::string::npos);
}
