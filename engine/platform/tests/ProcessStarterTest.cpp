// What the game hands to the desktop's "open" action: a file that exists,
// by its resolved path, as one argument; nothing for a missing file.

#include "engine/platform/LogoWidget.h"
#include "engine/platform/StartUp.h"
#include "engine/backend/Process.h"
#include "tests/support/FakeProcess.h"
#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(ProcessStarter, AnExistingFileIsOpenedByItsResolvedPathAsOneArgument)
{
    TempDir folder;
    ScopedCurrentDir inFolder(folder.Path());
    WriteTextFile(folder.File("Read Me.TXT"), "text");
    FakeProcess process;
    OpenFileIfExists("read me.txt");
    OpenFileIfExists("missing.txt");
    ASSERT_EQ(process.Starts().size(), 1u);
    EXPECT_EQ(process.Starts()[0].program, "xdg-open");
    EXPECT_EQ(process.Opened(), std::vector<std::string>{"Read Me.TXT"});
}

TEST(ProcessStarter, TheStandInAnswersForTheStartAndGoesWithItsScope)
{
    {
        FakeProcess refusing(false);
        EXPECT_FALSE(backend::RunAndWait("resourcer", {"-u"}));
        EXPECT_FALSE(backend::OpenWithShell("https://example.org/a b"));
        ASSERT_EQ(refusing.Starts().size(), 2u);
        EXPECT_EQ(refusing.Starts()[0].arguments, std::vector<std::string>{"-u"});
        EXPECT_EQ(refusing.Opened(), std::vector<std::string>{"https://example.org/a b"});
    }
    // The real starter is back: a program that does not exist does not start.
    EXPECT_FALSE(backend::RunAndWait("velmora-no-such-program", {}));
}
