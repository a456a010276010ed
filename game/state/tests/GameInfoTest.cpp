#include "game/state/GameInfo.h"

#include "engine/util/Random.h"
#include "game/state/tests/GameStateFixture.h"

#include <gtest/gtest.h>

#include <tuple>

using GameInfoProfiles = GameStateTest;
using GameInfoHiScores = GameStateTest;
using GameInfoDifficulty = GameStateTest;
using GameInfoGetters = GameStateTest;

TEST_F(GameInfoProfiles, WithoutProfilesReadsComeFromTheDefaultProfile)
{
    GameInfo info;
    info.setActivePlayer("Nobody");
    EXPECT_EQ(info.getName(), "Nobody");
    EXPECT_TRUE(info.NoPlayers());
    Player& p = info.GetPlayer("Nobody");
    EXPECT_EQ(p.name, "");
    EXPECT_EQ(p.lives, 3);
    ASSERT_EQ(p.levelInfos.size(), 7u);
    for (const auto& list : p.levelInfos)
        EXPECT_EQ(list.size(), 15u);
    EXPECT_EQ(&info.GetPlayer("Other"), &p);
}

TEST_F(GameInfoProfiles, AddSelectDeleteAndTheLookupCache)
{
    GameInfo info;
    SeedRandom(7);
    ASSERT_TRUE(info.AddNewPlayer("Bob"));
    EXPECT_FALSE(info.AddNewPlayer("Bob"));
    ASSERT_TRUE(info.AddNewPlayer("Ann"));
    EXPECT_EQ(info.getName(), "Ann");
    EXPECT_FALSE(info.AddNewPlayer("Bob"));
    EXPECT_EQ(info.getName(), "Ann") << "a refused name keeps the active profile";
    EXPECT_NE(LogText().find("Select player : </Font><Font Size = 1 Color = Black Face = Verdana>Ann</Font>"),
              std::string::npos);

    const int annUid = info.GetPlayer("Ann").uid;
    const int bobUid = info.GetPlayer("Bob").uid;
    EXPECT_GE(annUid, 1);
    EXPECT_LE(annUid, 31999);
    EXPECT_NE(annUid, bobUid);
    EXPECT_EQ(info.GetPlayer("Ann").name, "Ann");

    // The cached record follows the name asked for.
    info.setScore(120);
    EXPECT_EQ(info.GetPlayer("Ann").score, 120);
    EXPECT_EQ(info.GetPlayer("Bob").score, 0);
    EXPECT_EQ(info.getScore(), 120);

    // Deleting the active profile: reads fall back to the default profile
    // until another is selected; the cache never points at the erased one.
    Player& before = info.GetPlayer("Ann");
    info.DeletePlayer("Ann");
    EXPECT_EQ(info.getName(), "Ann");
    EXPECT_FALSE(info.isPlayerExist("Ann"));
    EXPECT_NE(&info.GetPlayer("Ann"), &before);
    EXPECT_EQ(info.getScore(), 0);
    EXPECT_EQ(info.GetPlayer("Ann").name, "");
    info.setActivePlayer("Bob");
    EXPECT_EQ(info.GetPlayer("Bob").uid, bobUid);
    info.DeletePlayer("Nobody");
    EXPECT_EQ(info.getNumberOfPlayers(), 1);

    // A new profile of the deleted name is a fresh one.
    ASSERT_TRUE(info.AddNewPlayer("Ann"));
    EXPECT_EQ(info.getScore(), 0);
}

TEST_F(GameInfoProfiles, TypedNameIsEscapedInTheLog)
{
    GameInfo info;
    info.setActivePlayer("<b>Ann & \"Bob\"</b>");
    EXPECT_NE(LogText().find("&lt;b&gt;Ann &amp; &quot;Bob&quot;&lt;/b&gt;"), std::string::npos);
    EXPECT_EQ(LogText().find("<b>Ann"), std::string::npos);
}

TEST_F(GameInfoProfiles, PlayerNamesInByteOrder)
{
    GameInfo info;
    for (const char* name : {"bob", "Ann", "carl"})
        info.AddNewPlayer(name);
    const std::pair<int, const char*> cases[] = {{-1, "Ann"}, {0, "Ann"}, {1, "bob"}, {2, "carl"}, {3, ""}, {9, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(info.getPlayerName(c.first), c.second) << c.first;
    EXPECT_EQ(GameInfo().getPlayerName(0), "");
}

TEST(GameInfoUid, DrawnInSinglePrecision)
{
    const std::pair<int, int> cases[] = {{0, 1}, {32767, 31999}, {10069, 9834}, {1, 1}, {16384, 16000}};
    for (const auto& c : cases)
        EXPECT_EQ(UidFromRandom(c.first), c.second) << c.first;
}

TEST_F(GameInfoProfiles, UidSkipsTheUidsOfProfilesAndHiScores)
{
    SeedRandom(1234);
    const int first = UidFromRandom(RandomInt());
    const int second = UidFromRandom(RandomInt());
    const int third = UidFromRandom(RandomInt());
    ASSERT_NE(first, second);
    ASSERT_NE(second, third);

    GameInfo info;
    SeedRandom(1234);
    info.AddNewPlayer("Ann");
    EXPECT_EQ(info.GetPlayer("Ann").uid, first);
    info.WriteResultToHiScores();
    info.DeletePlayer("Ann");

    // Ann's hi-score entry still holds the first uid.
    SeedRandom(1234);
    info.AddNewPlayer("Bob");
    EXPECT_EQ(info.GetPlayer("Bob").uid, second);
    SeedRandom(1234);
    info.AddNewPlayer("Cid");
    EXPECT_EQ(info.GetPlayer("Cid").uid, third);
}

TEST_F(GameInfoProfiles, ExitConfirmationTexts)
{
    GameInfo info;
    std::vector<std::tuple<std::string, std::string, std::string>> sent;
    info.SetConfirmationTextSender([&sent](const std::string& layer, const std::string& widget,
                                           const std::string& id) { sent.emplace_back(layer, widget, id); });
    info.AddNewPlayer("Ann");
    struct Case { int lives; const char* text; };
    for (const Case& c : {Case{1, "EndGameAndLostLastLife"}, Case{0, "EndGameAndLostLastLife"},
                          Case{2, "EndGameAndLostLife"}, Case{5, "EndGameAndLostLife"}}) {
        sent.clear();
        info.setLives(c.lives);
        info.ShowExitConfirmation();
        EXPECT_TRUE(info.NeedDecLivesOnExit());
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0], std::make_tuple(std::string("ExitGame"), std::string("ConfirmText"), std::string(c.text)));
        EXPECT_EQ(sent[1], std::make_tuple(std::string("ExitGameNoLostLife"), std::string("ConfirmText"),
                                           std::string(c.text)));
    }
    sent.clear();
    info.ShowEndGameConfirmation();
    EXPECT_FALSE(info.NeedDecLivesOnExit());
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(std::get<2>(sent[1]), "EndGame");

    // Without a receiver the flag still follows.
    GameInfo alone;
    alone.ShowExitConfirmation();
    EXPECT_TRUE(alone.NeedDecLivesOnExit());
}

TEST_F(GameInfoProfiles, ResetInfoToBeginLevelRestoresOnlyTheStockAndTakenBonuses)
{
    GameInfo info;
    info.AddNewPlayer("Ann");
    Player& p = info.GetPlayer("Ann");
    p.stage = 1;
    p.level = 2;
    p.levelInfos.assign(1, std::vector<LevelInfo>(2));
    p.levelInfos[0][1].takedBonus[1] = 2;
    p.levelInfos[0][1].takedBonus[5] = 1;
    p.bonusCount[0] = 3;
    p.score = 100;
    p.tiles = 10;
    info.StoreLevelStartState();
    EXPECT_EQ(info.GetLevelStartState()->score, 100);
    EXPECT_EQ(info.GetLevelStartState()->takedBonus[1], 2);

    p.score = 900;
    p.tiles = 50;
    p.bonusCount[0] = 0;
    p.levelInfos[0][1].takedBonus[1] = 4;
    p.levelInfos[0][1].takedBonus[5] = 3;
    p.levelInfos[0][1].usedBonus[0] = 2;
    info.ResetInfoToBeginLevel();
    EXPECT_EQ(p.score, 900);
    EXPECT_EQ(p.tiles, 50);
    EXPECT_EQ(p.bonusCount[0], 3);
    EXPECT_EQ(p.levelInfos[0][1].takedBonus[1], 2);
    EXPECT_EQ(p.levelInfos[0][1].takedBonus[5], 3);
    EXPECT_EQ(p.levelInfos[0][1].usedBonus[0], 2);
}

TEST(HiScoreTable, InsertionAndReplacementByUid)
{
    auto table = [](std::initializer_list<std::pair<int, int>> scoreUid) {
        std::vector<HiScoresElem> t;
        for (const auto& e : scoreUid)
            t.push_back({"p" + std::to_string(e.second), e.first, 1, e.second});
        return t;
    };
    auto scores = [](const std::vector<HiScoresElem>& t) {
        std::vector<int> s;
        for (const HiScoresElem& e : t)
            s.push_back(e.score);
        return s;
    };

    std::vector<HiScoresElem> t = table({{900, 1}, {500, 2}, {500, 3}, {100, 4}});
    InsertHiScore(t, {"new", 500, 1, 5});
    EXPECT_EQ(scores(t), (std::vector<int>{900, 500, 500, 500, 100}));
    EXPECT_EQ(t[3].uid, 5);

    // The latest result replaces the earlier one, even when lower.
    InsertHiScore(t, {"p1", 300, 1, 1});
    EXPECT_EQ(scores(t), (std::vector<int>{500, 500, 500, 300, 100}));
    EXPECT_EQ(t[3].uid, 1);

    std::vector<HiScoresElem> full = table({{100, 1}, {90, 2}, {80, 3}, {70, 4}, {60, 5}, {50, 6}, {40, 7},
                                            {30, 8}, {20, 9}, {10, 10}});
    InsertHiScore(full, {"top", 1000, 1, 11});
    ASSERT_EQ(full.size(), 10u);
    EXPECT_EQ(full.front().uid, 11);
    EXPECT_EQ(full.back().score, 20);

    // Lower than a full table: in and out at once.
    InsertHiScore(full, {"low", 5, 1, 99});
    EXPECT_EQ(full.size(), 10u);
    EXPECT_EQ(full.back().score, 20);
    for (const HiScoresElem& e : full)
        EXPECT_NE(e.uid, 99);

    std::vector<HiScoresElem> empty;
    InsertHiScore(empty, {"a", 0, 1, 0});
    InsertHiScore(empty, {"b", 50, 1, 0}); // uid 0 replaces uid 0
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].name, "b");
}

TEST_F(GameInfoHiScores, NoEntryInDemoModeOrWithoutAProfile)
{
    GameInfo info;
    info.setActivePlayer("Ghost");
    info.WriteResultToHiScores();
    EXPECT_TRUE(info.GetHiScores().empty());

    info.AddNewPlayer("Ann");
    info.setScore(70);
    info.SetDemoMode(true);
    info.WriteResultToHiScores();
    EXPECT_TRUE(info.GetHiScores().empty());
    EXPECT_EQ(ErrorLines(), 2);

    info.SetDemoMode(false);
    info.WriteResultToHiScores();
    ASSERT_EQ(info.GetHiScores().size(), 1u);
    EXPECT_EQ(info.getHiScoresLine(1).name, "Ann");
    EXPECT_EQ(info.getHiScoresLine(1).score, 70);
    EXPECT_EQ(info.getHiScoresLine(1).uid, info.GetPlayer("Ann").uid);

    // Lines past the table are empty, so a panel can read 1..10.
    for (int n : {0, 2, 10, -3}) {
        EXPECT_EQ(info.getHiScoresLine(n).name, "") << n;
        EXPECT_EQ(info.getHiScoresLine(n).score, 0) << n;
    }
}

TEST_F(GameInfoDifficulty, StreaksAndClamps)
{
    GameInfo info;
    info.AddNewPlayer("Ann");
    Player& p = info.GetPlayer("Ann");

    // Stage 1 counts nothing.
    for (int i = 0; i < 6; ++i)
        info.CountEasyLevel();
    EXPECT_EQ(p.completeLevelFactor, 0);
    EXPECT_EQ(p.difficultyLevel, 0);

    p.stage = 2;
    for (int i = 0; i < 5; ++i)
        info.CountEasyLevel();
    EXPECT_EQ(p.difficultyLevel, -1);
    EXPECT_EQ(p.completeLevelFactor, 0);
    EXPECT_EQ(Count(LogText(), "Current difficulty level: -1"), 1);

    for (int i = 0; i < 3; ++i)
        info.CountEasyLevel();
    for (int i = 0; i < 2; ++i)
        info.CountHardLevel();
    EXPECT_EQ(p.completeLevelFactor, 1);

    p.completeLevelFactor = 0;
    for (int i = 0; i < 5; ++i)
        info.CountHardLevel();
    EXPECT_EQ(p.difficultyLevel, 0);
    EXPECT_EQ(p.completeLevelFactor, 0);

    p.difficultyLevel = -7;
    info.IncreaseDifficultyLevel();
    EXPECT_EQ(p.difficultyLevel, -7);
    EXPECT_EQ(Count(LogText(), "Increase difficulty"), 2);
    p.difficultyLevel = 20;
    info.DecreaseDifficultyLevel();
    EXPECT_EQ(p.difficultyLevel, 20);
    EXPECT_EQ(Count(LogText(), "Decrease difficulty"), 2);
    EXPECT_EQ(info.GetDifficultyLevel(), 20);
}

TEST_F(GameInfoGetters, BonusNumbersOutsideTheStockDoNothing)
{
    GameInfo info;
    info.AddNewPlayer("Ann");
    info.setBonusCount(2, 5);
    EXPECT_EQ(info.getBonusCount(2), 5);
    for (int number : {-1, 4, 100}) {
        info.setBonusCount(number, 9);
        EXPECT_EQ(info.getBonusCount(number), 0) << number;
    }
    for (int i = 0; i < BONUS_KINDS; ++i)
        EXPECT_EQ(info.getBonusCount(i), i == 2 ? 5 : 0);
    EXPECT_EQ(ErrorLines(), 6);
}

TEST_F(GameInfoGetters, MusicAndMapGettersOutOfRangeAnswerEmpty)
{
    GameInfo info;
    info.AddNewPlayer("Ann");
    EXPECT_EQ(info.getStageStartMusicName(0), "");
    EXPECT_EQ(info.getStageMainMusicName(-1), "");
    EXPECT_EQ(info.getStageMainMusicDelay(7), 0.0f);
    EXPECT_EQ(info.getStageStartFadeSpeed(3), 0.0f);
    EXPECT_EQ(info.getStageMainFadeSpeed(3), 0.0f);
    EXPECT_EQ(info.GetMapStage(0).name, "");
    EXPECT_EQ(info.GetMapLevel(0, 0).name, "");
    EXPECT_EQ(info.getLevelFileName(), "");
    EXPECT_EQ(info.GetLevelCellCounts(0, 0).extra[0], 0);
    EXPECT_EQ(ErrorLines(), 9);
}
