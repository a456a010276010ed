#include "game/state/GameInfo.h"
#include "game/state/LevelCellCountsFile.h"

#include "game/state/CountryNames.h"
#include "game/state/tests/GameStateFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

using testing_support::PathExists;
using testing_support::ReadTextFile;
using testing_support::SourceDir;
using testing_support::WriteTextFile;

using GameDataFiles = GameStateTest;

TEST_F(GameDataFiles, LevelMapDrivesTheStagesAndAppendsOnASecondLoad)
{
    WriteLevelMap({15, 15, 15, 15, 15, 15, 15});
    GameInfo info;
    info.LoadGameState();
    ASSERT_EQ(info.GetMapStageCount(), 7);
    for (int s = 0; s < 7; ++s)
        EXPECT_EQ(info.GetMapStage(s).levels.size(), 15u);
    EXPECT_EQ(info.GetMapStage(1).name, "Stage2");
    EXPECT_EQ(info.GetMapStage(1).x_t, 1);
    EXPECT_EQ(info.GetMapLevel(4, 2).name, "S3L5");
    EXPECT_EQ(info.GetMapLevel(4, 2).size, 3);

    info.AddNewPlayer("Ann");
    for (int i = 0; i < 14; ++i)
        info.CompleteLevel();
    EXPECT_EQ(info.getLevelFileName(), "S1L15");
    info.CompleteLevel();
    EXPECT_EQ(info.getStage(), 2);
    EXPECT_EQ(info.getLevel(), 1);
    EXPECT_EQ(info.getLevelFileName(), "S2L1");

    info.LoadLevelMap();
    EXPECT_EQ(info.GetMapStageCount(), 14);
    info.LoadGameState();
    EXPECT_EQ(info.GetMapStageCount(), 7);
}

TEST_F(GameDataFiles, LetterCaseOfTheLevelMapNameDoesNotMatter)
{
    WriteLevelMap({2, 3}, "levelMap.xml");
    GameInfo info;
    info.LoadGameState();
    ASSERT_EQ(info.GetMapStageCount(), 2);
    info.GetMapLevel(1, 1).x = 321;
    info.SaveLevelMap();
    EXPECT_FALSE(PathExists(GameFile("LevelMap.xml")));
    const std::string saved = ReadTextFile(GameFile("levelMap.xml"));
    EXPECT_EQ(saved.rfind("<LevelMap>", 0), 0u);
    EXPECT_NE(saved.find("<Stage name=\"Stage1\" x_t=\"1\" y_t=\"2\">"), std::string::npos);
    EXPECT_NE(saved.find("<Level name=\"S2L2\" x=\"321\" y=\"20\" size=\"3\" />"), std::string::npos);
}

TEST_F(GameDataFiles, MusicTable)
{
    WriteGameFile("Music.xml", "<Music><MusicInfo>"
                               "<Stage startMusic=\"A1\" mainMusic=\"A2\" startFadeSpeed=\"0.5\" "
                               "mainMusicDelay=\"8\" mainFadeSpeed=\"0.25\" />"
                               "<Stage startMusic=\"B1\" mainMusic=\"B2\" startFadeSpeed=\"1\" mainMusicDelay=\"2\" "
                               "mainFadeSpeed=\"3\" />"
                               "</MusicInfo></Music>");
    GameInfo info;
    info.LoadGameState();
    EXPECT_EQ(info.getStageStartMusicName(0), "A1");
    EXPECT_EQ(info.getStageMainMusicName(1), "B2");
    EXPECT_EQ(info.getStageStartFadeSpeed(0), 0.5f);
    EXPECT_EQ(info.getStageMainMusicDelay(0), 8.0f);
    EXPECT_EQ(info.getStageMainFadeSpeed(1), 3.0f);
    EXPECT_EQ(info.getStageMainMusicName(2), "");

    // A missing file empties the table.
    std::filesystem::remove(GameFile("Music.xml"));
    info.LoadGameState();
    EXPECT_EQ(info.getStageStartMusicName(0), "");
}

TEST_F(GameDataFiles, GameplayConstants)
{
    WriteGameFile("GameplayConst.xml",
                  "<C><Chains><ChainMessage n=\"5\" text=\"first\" /><ChainMessage n=\"5\" text=\"second\" />"
                  "<ChainMessage n=\"9\" text=\"nine\" /></Chains>"
                  "<LifeBonusScores scores=\"40000\" /><WiseTips totalNumber=\"12\" /><MaxTrashOnField count=\"3\" />"
                  "<AddMaxTrashOnCycle count=\"1\" /><AbsoluteMaxTrashOnField count=\"8\" /><Chain5 count=\"5\" />"
                  "<Chain9 count=\"9\" /><Chain12 count=\"12\" /></C>");
    GameInfo info;
    info.LoadGameState();
    std::string text;
    ASSERT_TRUE(info.GetChainMessage(5, text));
    EXPECT_EQ(text, "first");
    EXPECT_FALSE(info.GetChainMessage(6, text));
    EXPECT_EQ(info.GetLifeBonusScores(), 40000);
    EXPECT_EQ(info.GetWiseTipsTotal(), 12);
    EXPECT_EQ(info.GetMaxTrashOnField(), 3);
    EXPECT_EQ(info.GetAddMaxTrashOnCycle(), 1);
    EXPECT_EQ(info.GetAbsoluteMaxTrashOnField(), 8);
    EXPECT_EQ(info.GetChain5(), 5);
    EXPECT_EQ(info.GetChain9(), 9);
    EXPECT_EQ(info.GetChain12(), 12);

    // Points per life of 0 would stop the board: refused with a log line.
    WriteGameFile("GameplayConst.xml", "<C><LifeBonusScores scores=\"0\" /><Chain5 count=\"6\" /></C>");
    const int before = ErrorLines();
    info.LoadGameState();
    EXPECT_EQ(info.GetLifeBonusScores(), 40000);
    EXPECT_EQ(info.GetChain5(), 6);
    EXPECT_EQ(info.GetChain9(), 9);
    EXPECT_GT(ErrorLines(), before);
}

TEST_F(GameDataFiles, PointsPerExtraLifeAreNeverZeroAtTheFirstLoad)
{
    const char* const unloaded = "Can't load the game-play constants; points per extra life stay 50000";
    const char* const refused = "must be a number above 0; points per extra life stay 50000";
    const struct {
        const char* what;
        const char* file; // null: no file
        const char* logged;
    } cases[] = {
        {"missing file", nullptr, unloaded},
        {"unreadable file", "<C><LifeBonusScores scores=", unloaded},
        {"no element", "<C><Chain5 count=\"6\" /></C>", "no &quot;LifeBonusScores&quot; element"},
        {"no attribute", "<C><LifeBonusScores /></C>", "no &quot;scores&quot;"},
        {"not a number", "<C><LifeBonusScores scores=\"many\" /></C>", "is not a number"},
        {"zero", "<C><LifeBonusScores scores=\"0\" /></C>", refused},
        {"negative", "<C><LifeBonusScores scores=\"-100\" /></C>", refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(GameFile("GameplayConst.xml"));
        if (c.file)
            WriteGameFile("GameplayConst.xml", c.file);
        const std::string before = LogText();
        GameInfo info;
        info.LoadGameState();
        EXPECT_EQ(info.GetLifeBonusScores(), kDefaultLifeBonusScores);
        const std::string logged = LogText().substr(before.size());
        EXPECT_EQ(Count(logged, "GameplayConst.xml"), 1) << logged;
        EXPECT_NE(logged.find(c.logged), std::string::npos) << logged;
    }
    EXPECT_GT(kDefaultLifeBonusScores, 0);
}

TEST(LevelLetterCounts, CountsTheFiveLettersOfEveryRow)
{
    const LevelInfo info = CountLevelLetters({"LLT", "RBV", "", "lxLLLLLLLLLLV"});
    const int expected[] = {2 + 10, 1, 1, 1, 1 + 1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(info.extra[i], expected[i]) << i;
    EXPECT_EQ(info.extra[5], 0);
    EXPECT_EQ(info.takedBonus[0], 0);
}

TEST_F(GameDataFiles, LetterCountsFollowTheLevelMap)
{
    WriteLevelMap({2, 1});
    WriteGameFile("Level.xml", "<Levels>"
                               "<Level name=\"S1L1\"><Line>LLT</Line><Line>RBV</Line></Level>"
                               "<Level name=\"S1L1\"><Line>VVVV</Line></Level>"
                               "<Level name=\"S2L1\"><Line>0000B</Line><Line>B</Line><Line /></Level>"
                               "</Levels>");
    GameInfo info;
    info.LoadGameState();
    EXPECT_EQ(info.GetLevelCellCounts(0, 0).extra[0], 2);
    EXPECT_EQ(info.GetLevelCellCounts(0, 0).extra[4], 1);
    EXPECT_EQ(info.GetLevelCellCounts(0, 1).extra[0], 0) << "no element names S1L2";
    EXPECT_EQ(info.GetLevelCellCounts(1, 0).extra[3], 2);
    EXPECT_EQ(info.GetLevelCellCounts(2, 0).extra[3], 0);

    // A Level.xml that cannot be loaded keeps the counts.
    WriteGameFile("Level.xml", "<Levels><Level name=");
    info.LoadGameState();
    EXPECT_EQ(info.GetLevelCellCounts(1, 0).extra[3], 2);
}

TEST_F(GameDataFiles, ShippedDataLoadsWithoutErrors)
{
    for (const char* name : {"LevelMap.xml", "Music.xml", "GameplayConst.xml", "Level.xml", "GameInfo.xml"})
        WriteGameFile(name, ReadTextFile(SourceDir() + "/data/" + name));
    WriteTextFile(AppFile("GameInfo.xml"), ReadTextFile(SourceDir() + "/data/GameInfo.xml"));
    GameInfo info;
    ASSERT_TRUE(info.LoadGameState());
    EXPECT_EQ(ErrorLines(), 0) << LogText();

    ASSERT_EQ(info.GetMapStageCount(), 7);
    for (int s = 0; s < 7; ++s) {
        EXPECT_EQ(info.GetMapStage(s).name, g_countryNames[s]);
        EXPECT_FALSE(info.getStageStartMusicName(s).empty());
        EXPECT_FALSE(info.getStageMainMusicName(s).empty());
        // The first levels are plain; every country holds bonus squares.
        int letters = 0;
        for (std::size_t l = 0; l < info.GetMapStage(s).levels.size(); ++l) {
            const LevelInfo counts = info.GetLevelCellCounts(s, static_cast<int>(l));
            letters += counts.extra[0] + counts.extra[1] + counts.extra[2] + counts.extra[3] + counts.extra[4];
        }
        EXPECT_GT(letters, 0) << s;
    }
    EXPECT_EQ(info.GetHiScores().size(), 10u);
    for (int n = 1; n <= 10; ++n)
        EXPECT_FALSE(info.getHiScoresLine(n).name.empty()) << n;
    EXPECT_GT(info.GetLifeBonusScores(), 0);
    EXPECT_EQ(info.getSoundVolume(), 75);

    // A new player plays through the shipped map's first country and one
    // level more, and is saved cleanly.
    info.AddNewPlayer("Ann");
    const int firstCountry = static_cast<int>(info.GetMapStage(0).levels.size());
    for (int i = 0; i < firstCountry + 1; ++i)
        info.CompleteLevel();
    EXPECT_EQ(info.getStage(), 2);
    EXPECT_TRUE(info.SaveGameState());
    GameInfo again;
    ASSERT_TRUE(again.LoadGameState());
    EXPECT_EQ(again.GetPlayer("Ann").maxStage, 2);
    EXPECT_EQ(ErrorLines(), 0) << LogText();
}
