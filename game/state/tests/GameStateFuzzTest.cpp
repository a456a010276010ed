// Truncated and garbled GameInfo.xml, LevelMap.xml and GameplayConst.xml:
// the program logs, carries on, and the player's last good save survives.

#include "game/state/GameInfo.h"

#include "engine/platform/GameInfoSetup.h"
#include "engine/util/Random.h"
#include "game/state/tests/GameStateFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tinyxml.h>

using testing_support::ReadTextFile;
using testing_support::WriteTextFile;

namespace {

bool Parses(const std::string& text)
{
    TiXmlDocument document;
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    return !document.Error() && document.RootElement() != nullptr;
}

// Truncations at spread-out points, then copies with a few bytes replaced by
// seeded random bytes (markup characters among them).
std::vector<std::string> Mutations(const std::string& good, std::uint32_t seed)
{
    std::vector<std::string> out;
    const std::size_t step = std::max<std::size_t>(1, good.size() / 40);
    for (std::size_t cut = 0; cut < good.size(); cut += step)
        out.push_back(good.substr(0, cut));
    SeedRandom(seed);
    const char special[] = "<>\"/=&\0 9-";
    for (int i = 0; i < 60; ++i) {
        std::string garbled = good;
        const int changes = 1 + RandomInt() % 4;
        for (int c = 0; c < changes; ++c) {
            const std::size_t at = static_cast<std::size_t>(RandomInt()) % garbled.size();
            const int pick = RandomInt();
            garbled[at] = pick % 2 ? special[pick % (sizeof special - 1)] : static_cast<char>(pick % 256);
        }
        out.push_back(garbled);
    }
    return out;
}

struct SavedProfile {
    int score;
    std::vector<std::size_t> listSizes;
    int lastRecordTaken;
};

SavedProfile Snapshot(GameInfo& info)
{
    const Player& p = info.GetPlayer("Ann");
    SavedProfile s{p.score, {}, 0};
    for (const auto& list : p.levelInfos)
        s.listSizes.push_back(list.size());
    if (!p.levelInfos.empty() && !p.levelInfos.back().empty())
        s.lastRecordTaken = p.levelInfos.back().back().takedBonus[0];
    return s;
}

} // namespace

class GameStateFuzz : public GameStateTest {
protected:
    void SetUp() override
    {
        WriteLevelMap({5, 5, 5});
        _goodMap = ReadTextFile(GameFile("LevelMap.xml"));
        _goodConst = "<GameplayConst><Chains><ChainMessage n=\"5\" text=\"Chain1\" /></Chains>"
                     "<LifeBonusScores scores=\"50000\" /><WiseTips totalNumber=\"10\" />"
                     "<MaxTrashOnField count=\"3\" /><AddMaxTrashOnCycle count=\"1\" />"
                     "<AbsoluteMaxTrashOnField count=\"8\" /><Chain5 count=\"5\" /><Chain9 count=\"9\" />"
                     "<Chain12 count=\"12\" /></GameplayConst>";
        WriteGameFile("GameplayConst.xml", _goodConst);
        WriteGameFile("GameInfo.xml", "<GameInfo version=\"1\"><Profiles /><ActivePlayer name=\"\" />"
                                      "<Options fullscreen=\"false\" sound=\"75\" music=\"75\" customCursor=\"0\" />"
                                      "<HiScores /></GameInfo>");

        GameInfo info;
        info.LoadGameState();
        info.AddNewPlayer("Ann");
        Player& p = info.GetPlayer("Ann");
        p.score = 777;
        p.stage = p.maxStage = 2;
        p.level = p.maxLevel = 4;
        for (int i = 0; i < 8; ++i) {
            LevelInfo record;
            record.takedBonus[0] = i + 1;
            p.SetLevelInfo(i / 5, i % 5, record);
        }
        info.WriteResultToHiScores();
        ASSERT_TRUE(info.SaveGameState());
        ASSERT_TRUE(info.SaveGameState());
        _goodSave = ReadTextFile(GameInfoPath());
        _good = Snapshot(info);
        ASSERT_EQ(_good.listSizes, (std::vector<std::size_t>{5, 3}));
    }

    void ResetFiles()
    {
        WriteTextFile(GameInfoPath(), _goodSave);
        WriteTextFile(GameInfoPath() + ".bak", _goodSave);
        std::filesystem::remove(GameInfoPath() + ".broken");
        WriteGameFile("LevelMap.xml", _goodMap);
        WriteGameFile("GameplayConst.xml", _goodConst);
    }

    // Start-up and exit of one run: the live file put in place, loaded, and
    // saved at the end.
    void RunOnce(GameInfo& info)
    {
        PrepareLiveGameInfo(GameInfoPath(), GameFile("GameInfo.xml"), 1);
        info.LoadGameState();
        info.CompleteLevel();
        info.getLevelFileName();
        info.GetLevelCellCounts(1, 1);
        info.SaveGameState();
    }

    void ExpectGoodProfile(GameInfo& info, const std::string& what)
    {
        const SavedProfile now = Snapshot(info);
        EXPECT_EQ(now.score, _good.score) << what;
        EXPECT_EQ(now.listSizes, _good.listSizes) << what;
        EXPECT_EQ(now.lastRecordTaken, _good.lastRecordTaken) << what;
    }

    std::string _goodMap;
    std::string _goodConst;
    std::string _goodSave;
    SavedProfile _good{};
};

TEST_F(GameStateFuzz, BrokenSaveFiles)
{
    int unreadable = 0;
    for (const std::string& bad : Mutations(_goodSave, 11)) {
        ResetFiles();
        WriteTextFile(GameInfoPath(), bad);
        const int errors = ErrorLines();
        GameInfo info;
        RunOnce(info);
        // Whatever happened, a readable save is in place afterwards.
        EXPECT_TRUE(Parses(ReadTextFile(GameInfoPath())));
        if (!Parses(bad)) {
            ++unreadable;
            EXPECT_GT(ErrorLines(), errors);
            EXPECT_EQ(ReadTextFile(GameInfoPath() + ".broken"), bad);
            // The backup took the broken file's place.
            GameInfo check;
            check.LoadGameState();
            const Player& ann = check.GetPlayer("Ann");
            EXPECT_EQ(ann.score, _good.score);
            EXPECT_EQ(ann.levelInfos.size(), _good.listSizes.size());
        }
    }
    EXPECT_GT(unreadable, 30);
}

TEST_F(GameStateFuzz, BrokenLevelMaps)
{
    int unreadable = 0;
    for (const std::string& bad : Mutations(_goodMap, 12)) {
        ResetFiles();
        WriteGameFile("LevelMap.xml", bad);
        GameInfo info;
        RunOnce(info);
        // The save before this run stays as the backup.
        EXPECT_EQ(ReadTextFile(GameInfoPath() + ".bak"), _goodSave);
        if (!Parses(bad)) {
            ++unreadable;
            // Without a level map the records were written back unsplit:
            // with the map restored they read as before.
            WriteGameFile("LevelMap.xml", _goodMap);
            GameInfo check;
            check.LoadGameState();
            ExpectGoodProfile(check, "level map: " + bad.substr(0, 60));
        }
    }
    EXPECT_GT(unreadable, 30);
}

TEST_F(GameStateFuzz, BrokenGameplayConstants)
{
    for (const std::string& bad : Mutations(_goodConst, 13)) {
        ResetFiles();
        WriteGameFile("GameplayConst.xml", bad);
        const int errors = ErrorLines();
        GameInfo info;
        PrepareLiveGameInfo(GameInfoPath(), GameFile("GameInfo.xml"), 1);
        info.LoadGameState();
        if (!Parses(bad)) {
            EXPECT_GT(ErrorLines(), errors);
            EXPECT_EQ(info.GetLifeBonusScores(), kDefaultLifeBonusScores) << "the constants stay as they were";
        }
        EXPECT_GT(info.GetLifeBonusScores(), 0);
        ExpectGoodProfile(info, "constants");
        EXPECT_TRUE(info.SaveGameState());
        EXPECT_EQ(ReadTextFile(GameInfoPath()), _goodSave);
    }
}
