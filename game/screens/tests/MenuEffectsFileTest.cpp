// MenuEffects.xml as the menu reads it: every part, the defaults, and the
// data that is left out with a log line.

#include "game/screens/MenuEffectsFile.h"
#include "game/screens/tests/MenuTestSupport.h"
#include "gui/widgets/tests/WidgetTestSupport.h"

#include <gtest/gtest.h>

using menu_testing::MenuEffectsText;
using testing_support::ScopedLogFile;

namespace {

int ErrorLines(const std::string& log)
{
    int n = 0;
    for (std::size_t at = log.find("Color = Red"); at != std::string::npos; at = log.find("Color = Red", at + 1))
        ++n;
    return n;
}

} // namespace

TEST(MenuEffectsFile, ReadsWavesTracksAndSevenGemsWithTheirDefaults)
{
    ScopedLogFile log;
    MenuEffectsData data;
    ReadMenuEffects(XmlElement(MenuEffectsText()), data);
    EXPECT_EQ(data.numOfFishes, 3);
    ASSERT_EQ(data.waves.size(), 2u);
    EXPECT_EQ(data.waves[0].x, 30);
    EXPECT_FLOAT_EQ(data.waves[0].height, 120.0f);
    EXPECT_EQ(data.waves[0].count, 40);
    EXPECT_EQ(data.waves[0].values, (std::vector<float>{0.0f, 8.0f, -8.0f}));
    // The second wave keeps every default but its segment count.
    EXPECT_FLOAT_EQ(data.waves[1].width, 128.0f);
    EXPECT_FLOAT_EQ(data.waves[1].height, 128.0f);
    EXPECT_FLOAT_EQ(data.waves[1].timeScale, 1.0f);
    ASSERT_EQ(data.tracks.size(), 1u);
    EXPECT_EQ(data.tracks[0].numFishes, 6);
    ASSERT_EQ(data.tracks[0].positions.size(), 5u);
    EXPECT_FLOAT_EQ(data.tracks[0].positions[4].x, 900.0f);
    EXPECT_FLOAT_EQ(data.tracks[0].velocities[2].z, 10.0f);
    ASSERT_EQ(data.gems.size(), 7u);
    // y counts from the top in the file and from the bottom in the table.
    EXPECT_EQ(data.gems[6].x, 31 + 63 * 6);
    EXPECT_EQ(data.gems[6].y, 135);
    EXPECT_EQ(data.gems[6].r, 180);
    EXPECT_EQ(data.gems[6].textureName, "GEM7");
    EXPECT_EQ(ErrorLines(log.Text()), 0);
}

TEST(MenuEffectsFile, AnEmptyRootGivesDefaultsAndSaysTheGemsAreMissing)
{
    ScopedLogFile log;
    MenuEffectsData data;
    ReadMenuEffects(XmlElement("<Anything><FishTrack/></Anything>"), data);
    EXPECT_EQ(data.numOfFishes, 0);
    EXPECT_TRUE(data.waves.empty());
    ASSERT_EQ(data.tracks.size(), 1u);
    EXPECT_EQ(data.tracks[0].numFishes, 120);
    EXPECT_FLOAT_EQ(data.tracks[0].timeScale, 1.0f);
    EXPECT_TRUE(data.gems.empty());
    EXPECT_NE(log.Text().find("Only 0 Gem elements of seven"), std::string::npos);
}

TEST(MenuEffectsFile, UnusableDataIsLeftOutWithALogLine)
{
    struct Case {
        const char* extra;
        const char* logged;
    };
    const Case cases[] = {
        {"<Gem x=\"1\" y=\"1\" tex=\"GEM8\"/>", "More than seven Gem elements"},
        {"<Wave count=\"0\"/>", "A Wave of 0 segments is left out"},
        {"<Wave count=\"-3\"/>", "A Wave of -3 segments is left out"},
        {"<FishTrack numFishes=\"-20\"/>", "asks for -20 fish; it gets none"},
    };
    for (const Case& c : cases) {
        ScopedLogFile log;
        MenuEffectsData data;
        ReadMenuEffects(XmlElement(MenuEffectsText(c.extra)), data);
        EXPECT_EQ(data.gems.size(), 7u) << c.extra;
        EXPECT_EQ(data.waves.size(), 2u) << c.extra;
        for (const FishTrack& track : data.tracks)
            EXPECT_GE(track.numFishes, 0) << c.extra;
        EXPECT_NE(log.Text().find(c.logged), std::string::npos) << c.extra;
        EXPECT_EQ(ErrorLines(log.Text()), 1) << c.extra;
    }
    ScopedLogFile log;
    MenuEffectsData data;
    ReadMenuEffects(XmlElement("<M numOfFishes=\"-4\"/>"), data);
    EXPECT_EQ(data.numOfFishes, 0);
    EXPECT_NE(log.Text().find("numOfFishes is -4"), std::string::npos);
}

TEST(MenuEffectsFile, AFileThatCannotBeReadIsLoggedAndGivesNothing)
{
    testing_support::TempDir dir;
    testing_support::ScopedCurrentDir inDir(dir.Path());
    ScopedLogFile log;
    MenuEffectsData data;
    EXPECT_FALSE(ReadMenuEffectsFile("MenuEffects.xml", data));
    testing_support::WriteTextFile(dir.File("menueffects.XML"), "<MenuEffects numOfFishes=\"2\"><Gem");
    EXPECT_FALSE(ReadMenuEffectsFile("MenuEffects.xml", data));
    EXPECT_EQ(data.numOfFishes, 0);
    EXPECT_EQ(ErrorLines(log.Text()), 2);
    testing_support::WriteTextFile(dir.File("menueffects.XML"), MenuEffectsText());
    EXPECT_TRUE(ReadMenuEffectsFile("MenuEffects.xml", data));
    EXPECT_EQ(data.gems.size(), 7u);
}
