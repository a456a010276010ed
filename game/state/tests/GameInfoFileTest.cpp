#include "game/state/GameInfo.h"
#include "game/state/GameInfoFile.h"

#include "engine/platform/GameInfoSetup.h"
#include "engine/util/Random.h"
#include "engine/util/XmlFile.h"
#include "game/state/tests/GameStateFixture.h"

#include <gtest/gtest.h>

#include <tinyxml.h>

using testing_support::PathExists;
using testing_support::ReadTextFile;
using testing_support::WriteTextFile;

namespace {

std::string PlayerXml(const std::string& name, const std::string& attributes, const std::string& children)
{
    return "<Player name=\"" + name + "\" " + attributes + ">" + children + "</Player>";
}

std::string GameInfoXml(const std::string& players, const std::string& rest = "")
{
    return "<GameInfo version=\"1\"><Profiles>" + players +
           "</Profiles><ActivePlayer name=\"Ann\" /><Options fullscreen=\"false\" sound=\"10\" music=\"20\" "
           "customCursor=\"0\" /><HiScores />" +
           rest + "</GameInfo>";
}

std::vector<std::string> AttributeNames(const TiXmlElement* e)
{
    std::vector<std::string> names;
    for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next())
        names.push_back(a->Name());
    return names;
}

int CountChildren(const TiXmlElement* e, const char* name)
{
    int n = 0;
    for (const TiXmlElement* c = e->FirstChildElement(name); c; c = c->NextSiblingElement(name))
        ++n;
    return n;
}

// A profile with progress in every part of the record.
void FillProgress(GameInfo& info)
{
    SeedRandom(99);
    info.AddNewPlayer("Bob");
    info.AddNewPlayer("Ann");
    Player& p = info.GetPlayer("Ann");
    p.score = 4321;
    p.lives = 2;
    p.stage = 2;
    p.level = 3;
    p.maxStage = 2;
    p.maxLevel = 3;
    p.sunEnergy = 0.25f;
    p.difficultyLevel = -2;
    p.completeLevelFactor = 3;
    p.bonusCount[1] = 4;
    p.completedStages[1].extra[2] = 6;
    p.ShowHint("msg_4");
    p.isArtefactSwapped = true;
    p.artefactQueue = {0, 1, 3};
    for (int s = 0; s < 2; ++s) {
        for (int l = 0; l < (s == 0 ? 4 : 2); ++l) {
            LevelInfo record;
            record.takedBonus[0] = 10 * s + l + 1;
            record.usedBonus[6] = 100 + l;
            p.SetLevelInfo(s, l, record);
        }
    }
    info.setFullscreen(true);
    info.setSoundVolume(33);
    info.setMusicVolume(44);
    info.WriteResultToHiScores();
}

void ExpectSameProgress(GameInfo& a, GameInfo& b)
{
    ASSERT_EQ(a.getNumberOfPlayers(), b.getNumberOfPlayers());
    EXPECT_EQ(a.getName(), b.getName());
    for (int i = 0; i < a.getNumberOfPlayers(); ++i) {
        const Player& p = a.GetPlayer(a.getPlayerName(i));
        const Player& q = b.GetPlayer(b.getPlayerName(i));
        EXPECT_EQ(p.name, q.name);
        EXPECT_EQ(p.uid, q.uid);
        EXPECT_EQ(p.score, q.score);
        EXPECT_EQ(p.lives, q.lives);
        EXPECT_EQ(p.stage, q.stage);
        EXPECT_EQ(p.level, q.level);
        EXPECT_EQ(p.difficultyLevel, q.difficultyLevel);
        EXPECT_EQ(p.completeLevelFactor, q.completeLevelFactor);
        EXPECT_FLOAT_EQ(p.sunEnergy, q.sunEnergy);
        EXPECT_EQ(p.bonusCount[1], q.bonusCount[1]);
        EXPECT_EQ(p.completedStages[1].extra[2], q.completedStages[1].extra[2]);
        EXPECT_EQ(p.shownHints, q.shownHints);
        EXPECT_EQ(p.isArtefactSwapped, q.isArtefactSwapped);
        EXPECT_EQ(p.artefactQueue, q.artefactQueue);
        ASSERT_EQ(p.levelInfos.size(), q.levelInfos.size()) << p.name;
        for (std::size_t s = 0; s < p.levelInfos.size(); ++s) {
            ASSERT_EQ(p.levelInfos[s].size(), q.levelInfos[s].size());
            for (std::size_t l = 0; l < p.levelInfos[s].size(); ++l) {
                EXPECT_EQ(p.levelInfos[s][l].takedBonus[0], q.levelInfos[s][l].takedBonus[0]);
                EXPECT_EQ(p.levelInfos[s][l].usedBonus[6], q.levelInfos[s][l].usedBonus[6]);
            }
        }
    }
    EXPECT_EQ(a.getFullscreen(), b.getFullscreen());
    EXPECT_EQ(a.getSoundVolume(), b.getSoundVolume());
    EXPECT_EQ(a.getMusicVolume(), b.getMusicVolume());
    ASSERT_EQ(a.GetHiScores().size(), b.GetHiScores().size());
    for (std::size_t i = 0; i < a.GetHiScores().size(); ++i) {
        EXPECT_EQ(a.GetHiScores()[i].name, b.GetHiScores()[i].name);
        EXPECT_EQ(a.GetHiScores()[i].uid, b.GetHiScores()[i].uid);
    }
}

} // namespace

using SaveFile = GameStateTest;

TEST_F(SaveFile, PlayerAttributesInOrderWithTheirEncodings)
{
    Player p("Ann");
    p.sunEnergy = 0.4567f;
    p.levelTime = 12.9f;
    p.totalTime = -3.7f;
    p.timeToLevel = 1e30f;
    p.hintsEnabled = true;
    p.win = true;
    TiXmlElement parent("Profiles");
    WritePlayerElement(p, {}, parent);
    const TiXmlElement* e = parent.FirstChildElement("Player");
    ASSERT_NE(e, nullptr);
    const std::vector<std::string> order = {
        "name", "lives", "score", "pieces", "tiles", "lastScore", "numMatches", "bonusInLevel", "levelTime",
        "level", "stage", "maxLevel", "maxStage", "levelNotComp", "hintsEnabled", "sunEnergy", "timeToLevel",
        "totalTime", "viewHistory", "showHelp", "ignoreShowHints", "cycle", "uid", "menuParam1", "wiseTipNumber",
        "win", "showSSTip", "firstMultIsShow", "difficultyLevel", "completeLevelFactor", "needShowArtefactTip"};
    EXPECT_EQ(AttributeNames(e), order);
    EXPECT_STREQ(e->Attribute("sunEnergy"), "456");
    EXPECT_STREQ(e->Attribute("levelTime"), "12");
    EXPECT_STREQ(e->Attribute("totalTime"), "-3");
    EXPECT_STREQ(e->Attribute("timeToLevel"), "2147483647");
    EXPECT_STREQ(e->Attribute("hintsEnabled"), "1");
    EXPECT_STREQ(e->Attribute("win"), "1");
    EXPECT_STREQ(e->Attribute("levelNotComp"), "0");

    const std::vector<std::string> children = {"Bonuses", "Hints", "CompletedStageInfo", "CompletedLevelInfo",
                                               "ArtefactQueue"};
    std::vector<std::string> seen;
    for (const TiXmlElement* c = e->FirstChildElement(); c; c = c->NextSiblingElement())
        seen.push_back(c->Value());
    EXPECT_EQ(seen, children);
    EXPECT_EQ(CountChildren(e->FirstChildElement("Bonuses"), "Bonus"), 4);
    EXPECT_EQ(CountChildren(e->FirstChildElement("CompletedStageInfo"), "Stage"), 7);
    EXPECT_EQ(CountChildren(e->FirstChildElement("CompletedLevelInfo"), "Level"), 0);

    const Player back = ReadPlayerElement(*e, {});
    EXPECT_FLOAT_EQ(back.sunEnergy, 0.456f);
    EXPECT_EQ(back.levelTime, 12.0f);
    EXPECT_TRUE(back.win);
}

TEST_F(SaveFile, LevelRecordsAreSplitByTheLevelMap)
{
    std::vector<LevelMapStage> map(3);
    map[0].levels.resize(15);
    map[1].levels.resize(15);
    map[2].levels.resize(15);

    Player p("Ann");
    p.stage = p.maxStage = 2;
    p.level = p.maxLevel = 3;
    p.levelInfos.assign(1, std::vector<LevelInfo>(15));
    p.levelInfos[0][14].takedBonus[3] = 2;
    p.levelInfos.push_back(std::vector<LevelInfo>(1)); // stage 2 level 2 never stored: written as zeros
    p.levelInfos[1][0].usedBonus[1] = 5;

    TiXmlElement parent("Profiles");
    WritePlayerElement(p, map, parent);
    const TiXmlElement* levels = parent.FirstChildElement("Player")->FirstChildElement("CompletedLevelInfo");
    EXPECT_EQ(CountChildren(levels, "Level"), 17);

    const Player back = ReadPlayerElement(*parent.FirstChildElement("Player"), map);
    ASSERT_EQ(back.levelInfos.size(), 2u);
    EXPECT_EQ(back.levelInfos[0].size(), 15u);
    EXPECT_EQ(back.levelInfos[1].size(), 2u);
    EXPECT_EQ(back.levelInfos[0][14].takedBonus[3], 2);
    EXPECT_EQ(back.levelInfos[1][0].usedBonus[1], 5);
    EXPECT_EQ(back.levelInfos[1][1].usedBonus[1], 0);

    // Without a level map nothing is dropped: the records are kept together
    // and written back as they are.
    const Player unsplit = ReadPlayerElement(*parent.FirstChildElement("Player"), {});
    ASSERT_EQ(unsplit.levelInfos.size(), 1u);
    EXPECT_EQ(unsplit.levelInfos[0].size(), 17u);
    TiXmlElement again("Profiles");
    WritePlayerElement(unsplit, {}, again);
    EXPECT_EQ(CountChildren(again.FirstChildElement("Player")->FirstChildElement("CompletedLevelInfo"), "Level"),
              17);
    // A map shorter than the records keeps the rest past its last stage.
    const Player shortMap = ReadPlayerElement(*parent.FirstChildElement("Player"), {map[0]});
    ASSERT_EQ(shortMap.levelInfos.size(), 2u);
    EXPECT_EQ(shortMap.levelInfos[1].size(), 2u);
}

TEST_F(SaveFile, ReadingFollowsTheFileRules)
{
    WriteLevelMap({3, 3});
    const std::string bonus = "<Bonus number=\"0\" count=\"4\" /><Bonus number=\"9\" count=\"8\" />";
    const std::string levels =
        "<CompletedLevelInfo>"
        "<Level><TakedBonus><Bonus number=\"2\" count=\"1\" /></TakedBonus><UsedBonus><Bonus number=\"3\" "
        "count=\"2\" /></UsedBonus></Level>"
        "<Level><TakedBonus /></Level>" // starts cleared: nothing of the first record
        "</CompletedLevelInfo>";
    const std::string common =
        "<Bonuses><Bonus number=\"3\" count=\"7\" /><Bonus number=\"8\" count=\"1\" /></Bonuses>"
        "<Hints isArtefactSwapped=\"1\"><Hint name=\"a\" /><Hint name=\"b\" /></Hints>"
        "<CompletedStageInfo><Stage>" +
        bonus + "</Stage></CompletedStageInfo>" + levels;
    WriteTextFile(AppFile("GameInfo.xml"),
                  GameInfoXml(PlayerXml("Ann", "score=\"12abc\" ignoreShowHints=\"0\" sunEnergy=\"250\" uid=\"77\"",
                                        common) +
                                  PlayerXml("Bob", "ignoreShowHints=\"1\" levelNotComp=\"5\"", common) +
                                  PlayerXml("Ann", "score=\"99\"", ""),
                              ""));
    GameInfo info;
    EXPECT_TRUE(info.LoadGameState());
    ASSERT_EQ(info.getNumberOfPlayers(), 2);
    const Player& ann = info.GetPlayer("Ann");
    EXPECT_EQ(ann.score, 12) << "the first of two profiles of one name stays";
    EXPECT_EQ(ann.uid, 77);
    EXPECT_FLOAT_EQ(ann.sunEnergy, 0.25f);
    EXPECT_EQ(ann.bonusCount[3], 7);
    EXPECT_TRUE(ann.isArtefactSwapped);
    EXPECT_EQ(ann.shownHints, (std::set<std::string>{"a", "b"}));
    EXPECT_EQ(ann.completedStages[0].extra[0], 4);
    ASSERT_EQ(ann.levelInfos.size(), 1u);
    ASSERT_EQ(ann.levelInfos[0].size(), 2u);
    EXPECT_EQ(ann.levelInfos[0][0].takedBonus[2], 1);
    EXPECT_EQ(ann.levelInfos[0][0].usedBonus[3], 2);
    EXPECT_EQ(ann.levelInfos[0][1].takedBonus[2], 0);
    EXPECT_EQ(ann.levelInfos[0][1].usedBonus[3], 0);

    const Player& bob = info.GetPlayer("Bob");
    EXPECT_TRUE(bob.shownHints.empty());
    EXPECT_FALSE(bob.isArtefactSwapped);
    EXPECT_TRUE(bob.levelNotComp);

    EXPECT_EQ(info.getName(), "Ann");
    EXPECT_EQ(info.getSoundVolume(), 10);
    EXPECT_EQ(info.getMusicVolume(), 20);
}

TEST_F(SaveFile, OptionsReadTrueOnlyForTrueAndOne)
{
    const std::pair<const char*, bool> cases[] = {{"1", true}, {"true", true}, {"yes", false}, {"TRUE", false},
                                                  {"0", false}};
    for (const auto& c : cases) {
        WriteTextFile(AppFile("GameInfo.xml"),
                      std::string("<GameInfo version=\"1\"><Profiles /><Options fullscreen=\"") + c.first + "\" customCursor=\"" + c.first +
                          "\" /></GameInfo>");
        GameInfo info;
        info.LoadGameState();
        EXPECT_EQ(info.getFullscreen(), c.second) << c.first;
        EXPECT_EQ(info.getCustomCursor(), c.second) << c.first;
    }
}

TEST_F(SaveFile, MissingElementsReadAsEmptyWithALogLine)
{
    WriteTextFile(AppFile("GameInfo.xml"), "<GameInfo version=\"1\"><Profiles><Player name=\"Ann\" /></Profiles></GameInfo>");
    GameInfo info;
    info.setMusicVolume(60);
    EXPECT_TRUE(info.LoadGameState());
    EXPECT_EQ(info.getName(), "");
    EXPECT_EQ(info.getMusicVolume(), 60) << "absent options keep their values";
    EXPECT_TRUE(info.GetHiScores().empty());
    ASSERT_TRUE(info.isPlayerExist("Ann"));
    const Player& ann = info.GetPlayer("Ann");
    EXPECT_EQ(ann.lives, 3);
    EXPECT_TRUE(ann.levelInfos.empty());
    const std::string log = LogText();
    for (const char* element : {"ActivePlayer", "Options", "HiScores", "Bonuses", "Hints", "CompletedStageInfo",
                                "CompletedLevelInfo"})
        EXPECT_NE(log.find(std::string("no &quot;") + element + "&quot; element"), std::string::npos) << element;
}

TEST_F(SaveFile, SaveIsAtomicWithABackupOfThePreviousFile)
{
    WriteLevelMap({4, 4});
    GameInfo info;
    info.LoadGameState();
    info.AddNewPlayer("Ann");
    ASSERT_TRUE(info.SaveGameState());
    const std::string first = ReadTextFile(AppFile("GameInfo.xml"));
    EXPECT_EQ(first.find("<?xml"), std::string::npos);
    EXPECT_EQ(first.rfind("<GameInfo version=\"1\">", 0), 0u);
    info.setScore(500);
    ASSERT_TRUE(info.SaveGameState());
    EXPECT_EQ(ReadTextFile(AppFile("GameInfo.xml.bak")), first);
    EXPECT_NE(ReadTextFile(AppFile("GameInfo.xml")).find("score=\"500\""), std::string::npos);
    EXPECT_FALSE(PathExists(AppFile("GameInfo.xml.tmp")));
}

TEST_F(SaveFile, FailedSaveIsLoggedAndLeavesTheOldFile)
{
    GameInfo info;
    info.AddNewPlayer("Ann");
    ASSERT_TRUE(info.SaveGameState());
    const std::string good = ReadTextFile(AppFile("GameInfo.xml"));
    // A folder where the temporary file must go makes the write fail.
    WriteTextFile(AppFile("GameInfo.xml.tmp/block"), "");
    info.setScore(1);
    const int errorsBefore = ErrorLines();
    EXPECT_FALSE(info.SaveGameState());
    EXPECT_EQ(ReadTextFile(AppFile("GameInfo.xml")), good);
    EXPECT_EQ(ErrorLines(), errorsBefore + 1);
}

TEST_F(SaveFile, NeverWritesOverAFileThatFailedToLoad)
{
    const std::string broken = "<GameInfo><Profiles><Player name=\"Ann\"";
    WriteTextFile(AppFile("GameInfo.xml"), broken);
    GameInfo info;
    EXPECT_FALSE(info.LoadGameState());
    info.AddNewPlayer("Bob");
    EXPECT_FALSE(info.SaveGameState());
    EXPECT_EQ(ReadTextFile(AppFile("GameInfo.xml")), broken);

    // Without an application-data folder nothing is written anywhere.
    const std::string folder = g_appDataFolder;
    g_appDataFolder.clear();
    EXPECT_FALSE(info.SaveGameState());
    g_appDataFolder = folder;

    // A missing file is no player's data: the first save creates it.
    std::remove(AppFile("GameInfo.xml").c_str());
    GameInfo fresh;
    EXPECT_FALSE(fresh.LoadGameState());
    fresh.AddNewPlayer("Bob");
    EXPECT_TRUE(fresh.SaveGameState());
}

TEST_F(SaveFile, SaveKillRestartLosesNothing)
{
    WriteLevelMap({4, 4, 4});
    GameInfo first;
    first.LoadGameState();
    FillProgress(first);
    ASSERT_TRUE(first.SaveGameState());

    GameInfo second;
    ASSERT_TRUE(second.LoadGameState());
    ExpectSameProgress(first, second);
    const Player& ann = second.GetPlayer("Ann");
    EXPECT_EQ(ann.score, 4321);
    ASSERT_EQ(ann.levelInfos.size(), 2u);
    EXPECT_EQ(ann.levelInfos[0].size(), 4u);
    EXPECT_EQ(ann.levelInfos[1].size(), 2u);
    EXPECT_EQ(ann.levelInfos[1][1].takedBonus[0], 12);
    EXPECT_EQ(ann.artefactQueue, (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(second.getHiScoresLine(1).name, "Ann");

    // The process dies in the middle of the next save: a partial temporary
    // file is left beside the live one.
    const std::string live = ReadTextFile(AppFile("GameInfo.xml"));
    WriteTextFile(AppFile("GameInfo.xml.tmp"), live.substr(0, live.size() / 2));
    ASSERT_EQ(PrepareLiveGameInfo(GameInfoPath(), GameFile("GameInfo.xml"), 1), GameInfoSetupResult::KeptLive);
    GameInfo restarted;
    ASSERT_TRUE(restarted.LoadGameState());
    ExpectSameProgress(second, restarted);
    restarted.setScore(4400);
    ASSERT_TRUE(restarted.SaveGameState());
    EXPECT_FALSE(PathExists(AppFile("GameInfo.xml.tmp")));
    GameInfo last;
    last.LoadGameState();
    EXPECT_EQ(last.GetPlayer("Ann").score, 4400);
    EXPECT_EQ(last.GetPlayer("Ann").levelInfos[1][1].takedBonus[0], 12);
}
