#include "game/state/Player.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

std::vector<LevelMapStage> MapOf(const std::vector<int>& levelCounts)
{
    std::vector<LevelMapStage> stages;
    for (int count : levelCounts) {
        LevelMapStage stage;
        stage.levels.resize(static_cast<std::size_t>(count));
        stages.push_back(stage);
    }
    return stages;
}

LevelInfo Filled(int value)
{
    LevelInfo info;
    for (int i = 0; i < LEVEL_INFO_SLOTS; ++i) {
        info.takedBonus[i] = value;
        info.usedBonus[i] = value;
        info.extra[i] = value;
    }
    return info;
}

} // namespace

TEST(PlayerCompleteLevel, StageRollOverAndCycleEnd)
{
    const std::vector<LevelMapStage> map = MapOf({15, 15, 12, 15, 15, 15, 15});
    struct Case {
        const char* what;
        int stage, level, maxStage, maxLevel;
        int wantStage, wantLevel, wantMaxStage, wantMaxLevel, wantCycle;
        bool wantWin;
        int savedInto; // completedStages entry holding the stock, -1 none
    };
    const Case cases[] = {
        {"last level of stage 3", 3, 12, 3, 12, 4, 1, 4, 1, 1, false, 3},
        {"new farthest level", 2, 5, 2, 5, 2, 6, 2, 6, 1, false, -1},
        {"replayed level of an earlier stage", 1, 4, 3, 7, 1, 5, 3, 7, 1, false, -1},
        {"last level of stage 7, first pass", 7, 15, 7, 15, 1, 1, 8, 1, 2, true, 0},
        {"after a completed pass", 7, 15, 8, 1, 1, 1, 8, 1, 2, true, -1},
    };
    for (const Case& c : cases) {
        Player p("Ann");
        p.stage = c.stage;
        p.level = c.level;
        p.maxStage = c.maxStage;
        p.maxLevel = c.maxLevel;
        p.levelNotComp = true;
        for (int i = 0; i < BONUS_KINDS; ++i)
            p.bonusCount[i] = 10 + i;
        p.CompleteLevel(map);
        EXPECT_EQ(p.stage, c.wantStage) << c.what;
        EXPECT_EQ(p.level, c.wantLevel) << c.what;
        EXPECT_EQ(p.maxStage, c.wantMaxStage) << c.what;
        EXPECT_EQ(p.maxLevel, c.wantMaxLevel) << c.what;
        EXPECT_EQ(p.cycle, c.wantCycle) << c.what;
        EXPECT_EQ(p.win, c.wantWin) << c.what;
        EXPECT_FALSE(p.levelNotComp) << c.what;
        for (int s = 0; s < STAGE_COUNT; ++s)
            EXPECT_EQ(p.completedStages[s].extra[1], s == c.savedInto ? 11 : 0) << c.what << " stage " << s;
    }
}

TEST(PlayerCompleteLevel, ShortOrEmptyLevelMapStaysInRange)
{
    for (const std::vector<int>& counts : {std::vector<int>{}, std::vector<int>{3, 3}}) {
        Player p("Ann");
        p.stage = 5;
        p.maxStage = 5;
        p.level = 2;
        p.maxLevel = 2;
        p.CompleteLevel(MapOf(counts));
        EXPECT_EQ(p.stage, 5);
        EXPECT_EQ(p.level, 3);
        EXPECT_EQ(p.maxLevel, 3);
    }
}

TEST(PlayerLevelInfo, SetAppendsInPlayOrderAndChecksItsIndex)
{
    Player p("Ann");
    p.levelInfos.assign(2, std::vector<LevelInfo>(3));

    p.SetLevelInfo(0, 1, Filled(4));
    EXPECT_EQ(p.GetLevelInfo(0, 1).usedBonus[6], 4);
    p.SetLevelInfo(1, 3, Filled(5)); // appended to the last list
    EXPECT_EQ(p.levelInfos[1].size(), 4u);
    p.SetLevelInfo(0, 9, Filled(6)); // past the end of a list that is not the last
    EXPECT_EQ(p.levelInfos[0].size(), 3u);
    p.SetLevelInfo(-1, 0, Filled(6));
    p.SetLevelInfo(0, -1, Filled(6));
    EXPECT_EQ(p.levelInfos.size(), 2u);

    Player q = p;
    p.SetLevelInfo(2, 0, Filled(7));
    q.SetLevelInfo(5, 0, Filled(7));
    for (const Player* r : {&p, &q}) {
        ASSERT_EQ(r->levelInfos.size(), 3u);
        EXPECT_EQ(r->levelInfos[2].size(), 1u);
        EXPECT_EQ(r->GetLevelInfo(2, 0).takedBonus[0], 7);
    }
    // Out of range reads answer zeros.
    EXPECT_EQ(p.GetLevelInfo(9, 0).takedBonus[0], 0);
    EXPECT_EQ(p.GetLevelInfo(0, 99).takedBonus[0], 0);
    EXPECT_EQ(p.GetLevelInfo(-1, -1).takedBonus[0], 0);
}

TEST(PlayerDestroyCountryProgress, ClearsTheFarthestStageAndRestoresItsStock)
{
    Player p("Ann");
    p.levelInfos.assign(3, std::vector<LevelInfo>(6, Filled(1)));
    p.maxStage = 3;
    p.maxLevel = 4;
    p.stage = 3;
    p.level = 4;
    p.completedStages[2].extra[0] = 7;
    p.completedStages[2].extra[3] = 9;
    p.bonusCount[0] = 1;
    p.DestroyCountryProgress();
    for (int l = 0; l < 6; ++l) {
        EXPECT_EQ(p.levelInfos[2][l].takedBonus[2], l < 4 ? 0 : 1) << l;
        EXPECT_EQ(p.levelInfos[2][l].usedBonus[2], l < 4 ? 0 : 1) << l;
        EXPECT_EQ(p.levelInfos[2][l].extra[2], 1) << l;
    }
    EXPECT_EQ(p.levelInfos[1][0].takedBonus[0], 1);
    EXPECT_EQ(p.bonusCount[0], 7);
    EXPECT_EQ(p.bonusCount[3], 9);
    EXPECT_EQ(p.stage, 3);
    EXPECT_EQ(p.level, 1);
    EXPECT_EQ(p.maxLevel, 1);
}

TEST(PlayerDestroyCountryProgress, ZeroesOnlyRecordsThatExist)
{
    Player shortList("Ann");
    shortList.levelInfos.assign(3, std::vector<LevelInfo>(2, Filled(1)));
    shortList.maxStage = 3;
    shortList.maxLevel = 9;
    shortList.DestroyCountryProgress();
    EXPECT_EQ(shortList.levelInfos[2].size(), 2u);
    EXPECT_EQ(shortList.levelInfos[2][1].takedBonus[0], 0);

    Player noList("Bob");
    noList.maxStage = 4;
    noList.maxLevel = 3;
    noList.completedStages[3].extra[1] = 5;
    noList.DestroyCountryProgress();
    EXPECT_TRUE(noList.levelInfos.empty());
    EXPECT_EQ(noList.bonusCount[1], 5);
    EXPECT_EQ(noList.stage, 4);

    // After a completed pass there is no eighth stage to restart.
    Player done("Cid");
    done.maxStage = 8;
    done.stage = 1;
    done.level = 3;
    done.bonusCount[0] = 2;
    done.DestroyCountryProgress();
    EXPECT_EQ(done.maxStage, 8);
    EXPECT_EQ(done.stage, 1);
    EXPECT_EQ(done.level, 3);
    EXPECT_EQ(done.bonusCount[0], 2);
}

TEST(PlayerResetProgress, ClearsRecordsAndKeepsTheStock)
{
    Player p("Ann");
    p.levelInfos.assign(2, std::vector<LevelInfo>(2, Filled(3)));
    p.stage = p.maxStage = 2;
    p.level = p.maxLevel = 2;
    p.bonusCount[2] = 4;
    p.completedStages[1].extra[0] = 6;
    p.cycle = 2;
    p.ResetProgress();
    EXPECT_EQ(p.stage, 1);
    EXPECT_EQ(p.level, 1);
    EXPECT_EQ(p.maxStage, 1);
    EXPECT_EQ(p.maxLevel, 1);
    EXPECT_EQ(p.levelInfos[1][1].takedBonus[0], 0);
    EXPECT_EQ(p.levelInfos[1][1].extra[0], 3);
    EXPECT_EQ(p.bonusCount[2], 4);
    EXPECT_EQ(p.completedStages[1].extra[0], 6);
    EXPECT_EQ(p.cycle, 2);
}
