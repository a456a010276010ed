#include "engine/platform/StartUp.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testing_support;

namespace {

// A stand-in first-start program that records its arguments.
void WriteProgram(const std::string& path, const std::string& body)
{
    WriteTextFile(path, "#!/bin/sh\n" + body + "\n");
    chmod(path.c_str(), 0755);
}

} // namespace

TEST(FirstStartStep, RunsTheProgramOnceAndThenWritesTheFlag)
{
    TempDir game;
    TempDir app;
    WriteProgram(game.File("resourcer.exe"), "echo \"$@\" >> ran.txt");
    ScopedCurrentDir cwd(game.Path());

    RunFirstStartStep(app.Path());
    EXPECT_EQ(ReadTextFile(game.File("ran.txt")), "-u\n");
    EXPECT_TRUE(PathExists(app.File("launch.dat")));

    RunFirstStartStep(app.Path()); // launch.dat present: nothing runs
    EXPECT_EQ(ReadTextFile(game.File("ran.txt")), "-u\n");
}

TEST(FirstStartStep, NoFlagWhenTheProgramCouldNotRun)
{
    TempDir game;
    TempDir app;
    ScopedCurrentDir cwd(game.Path());
    RunFirstStartStep(app.Path()); // no resourcer.exe in the game folder
    EXPECT_FALSE(PathExists(app.File("launch.dat")));
}
