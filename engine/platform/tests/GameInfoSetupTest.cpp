#include "engine/platform/GameInfoSetup.h"

#include "tests/support/ScopedLogFile.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::string Save(int version, const char* marker)
{
    return "<GameInfo version=\"" + std::to_string(version) + "\"><Options marker=\"" + marker + "\" /></GameInfo>";
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
    const Case cases[] = {{3, 3, false}, {3, 4, true}, {5, 1, false}, {0, 1, true}};
    for (const Case& c : cases) {
        WriteTextFile(live, Save(c.liveVersion, "live"));
        WriteTextFile(defaults, Save(9, "default"));
        const GameInfoSetupResult r = PrepareLiveGameInfo(live, defaults, c.required);
        EXPECT_EQ(r, c.replaced ? GameInfoSetupResult::CopiedDefault : GameInfoSetupResult::KeptLive);
        EXPECT_TRUE(Holds(live, c.replaced ? "default" : "live")) << c.liveVersion << " " << c.required;
        if (c.replaced) {
            EXPECT_TRUE(Holds(live + ".bak", "live")); // the replaced save is kept
        }
    }
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
