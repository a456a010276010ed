#include "engine/util/FileSystem.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

using testing_support::ReadTextFile;
using testing_support::ScopedCurrentDir;
using testing_support::TempDir;
using testing_support::WriteTextFile;

TEST(ResolvePath, BackslashesParentFoldersAndLetterCase)
{
    TempDir dir;
    WriteTextFile(dir.File("Game/Textures/Cur_Normal.TGA"), "x");
    WriteTextFile(dir.File("fsdata/splash1.jpg"), "y");
    ScopedCurrentDir cwd(dir.File("Game"));

    struct Case { const char* name; const char* resolved; };
    const Case cases[] = {
        {"textures\\cur_normal.tga", "Textures/Cur_Normal.TGA"},
        {".\\TEXTURES\\CUR_NORMAL.tga", "./Textures/Cur_Normal.TGA"},
        {"..\\fsdata\\SPLASH1.JPG", "../fsdata/splash1.jpg"},
        {"Textures/Cur_Normal.TGA", "Textures/Cur_Normal.TGA"},
        // Missing components keep their spelling so writers create them.
        {"textures\\new.xml", "Textures/new.xml"},
        {"nowhere\\file.txt", "nowhere/file.txt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResolvePath(c.name), c.resolved) << c.name;
    EXPECT_TRUE(FileExists("TEXTURES\\cur_normal.tga"));
    EXPECT_FALSE(FileExists("textures\\missing.tga"));
}

TEST(ReadTextLines, StripsCarriageReturns)
{
    TempDir dir;
    WriteTextFile(dir.File("a.txt"), "one\r\ntwo\nthree\r\n");
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(dir.File("a.txt"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_FALSE(ReadTextLines(dir.File("missing.txt"), lines));
}

TEST(WriteFileAtomically, ReplacesWholeAndLeavesNoTemporary)
{
    TempDir dir;
    WriteTextFile(dir.File("Save.xml"), "old");
    ASSERT_TRUE(WriteFileAtomically(dir.File("save.xml"), "new contents"));
    // The existing file in another letter case is the one written.
    EXPECT_EQ(ReadTextFile(dir.File("Save.xml")), "new contents");
    EXPECT_FALSE(testing_support::PathExists(dir.File("save.xml")));
    EXPECT_FALSE(testing_support::PathExists(dir.File("Save.xml.tmp")));
}

TEST(WriteFileAtomically, FailureLeavesTheOldFile)
{
    TempDir dir;
    WriteTextFile(dir.File("keep.txt"), "old");
    EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/folder/keep.txt"), "x"));
    EXPECT_EQ(ReadTextFile(dir.File("keep.txt")), "old");
}
