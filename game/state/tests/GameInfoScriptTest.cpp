#include "game/state/GameInfo.h"

#include "engine/script/ScriptHost.h"
#include "game/state/tests/GameStateFixture.h"
#include "tests/support/BoundScriptState.h"

#include <gtest/gtest.h>

class GameInfoScript : public GameStateTest {
protected:
    GameInfoScript() { testing_support::OpenBoundScriptState(); }

    void Run(const std::string& script)
    {
        EXPECT_TRUE(RunScriptString(script)) << LogText();
    }
};

TEST_F(GameInfoScript, EveryNameIsBound)
{
    const char* names[] = {
        "getLives", "setLives", "getScore", "setScore", "getLevel", "getStage", "getMaxLevel", "getMaxStage",
        "getLevelTime", "setLevelTime", "getSunEnergy", "setSunEnergy", "getBonusCount", "setBonusCount",
        "IsArtefactSwapped", "ArtefactSwapped", "HintsEnabled", "getHintsEnabled", "setHintsEnabled", "getWin",
        "setWin", "getViewHistory", "setViewHistory", "getShowHelp", "setShowHelp", "getMenuParam1",
        "setMenuParam1", "getWiseTipNumber", "getNumOfWiseTips", "setWiseTipNumber", "getCycle", "setCycle",
        "getShowSSTip", "setShowSSTip", "FirstMultIsShow", "setNeedShowArtefactTip", "IsGameOver",
        "NeedDecLivesOnExit", "getNeedCollectArtefact", "getFullscreen", "setFullscreen", "getSoundVolume",
        "setSoundVolume", "getMusicVolume", "setMusicVolume", "getCustomCursor", "setCustomCursor",
        "getNumOfSplashes", "getUseExternalScreensaver", "getUseScreensaver", "getName", "getNumberOfPlayers",
        "getPlayerName", "isPlayerExist", "NoPlayers", "AddNewPlayer", "DeletePlayer", "setActivePlayer", "setUID",
        "LoadGameState", "Load", "SaveGameState", "Save", "LoadLevelMap", "getLevelFileName", "CompleteLevel",
        "DestroyCountryProgress", "ResetInfoToBeginLevel", "ShowHint", "IsHintShow", "WriteResultToHiScores",
        "getHiScoresLine", "IncreaseDifficultyLevel", "getStageStartMusicName", "getStageMainMusicName",
        "getStageMainMusicDelay", "getStageStartFadeSpeed", "getStageMainFadeSpeed"};
    EXPECT_EQ(sizeof names / sizeof names[0], 78u);
    for (const char* name : names)
        Run(std::string("assert(gameInfo.") + name + " ~= nil, '" + name + "')");
}

TEST_F(GameInfoScript, ProfilesProgressAndHiScoresThroughLua)
{
    WriteLevelMap({2, 2});
    Run(R"(
        gameInfo:Load()
        assert(gameInfo:NoPlayers())
        assert(gameInfo:AddNewPlayer("Ann"))
        assert(not gameInfo:AddNewPlayer("Ann"))
        assert(gameInfo:AddNewPlayer("Bob"))
        assert(gameInfo:getName() == "Bob")
        assert(gameInfo:getNumberOfPlayers() == 2)
        assert(gameInfo:getPlayerName(0) == "Ann" and gameInfo:getPlayerName(2) == "")
        gameInfo:setActivePlayer("Ann")
        assert(gameInfo:isPlayerExist("Bob"))

        gameInfo:setBonusCount(2, 5)
        assert(gameInfo:getBonusCount(2) == 5)
        gameInfo:setBonusCount(7, 1)
        assert(gameInfo:getBonusCount(7) == 0)
        gameInfo:setWiseTipNumber(4)
        assert(gameInfo:getNumOfWiseTips() == 4 and gameInfo:getWiseTipNumber() == 4)
        assert(not gameInfo:IsArtefactSwapped())
        gameInfo:ArtefactSwapped()
        assert(gameInfo:IsArtefactSwapped())
        gameInfo:FirstMultIsShow()
        assert(gameInfo:HintsEnabled() and gameInfo:getHintsEnabled())
        gameInfo:setHintsEnabled(false)
        assert(not gameInfo:HintsEnabled())
        gameInfo:ShowHint("tip")
        assert(gameInfo:IsHintShow("tip") and not gameInfo:IsHintShow("other"))
        gameInfo:setSunEnergy(0.5)
        assert(gameInfo:getSunEnergy() == 0.5)

        gameInfo:CompleteLevel()
        gameInfo:CompleteLevel()
        assert(gameInfo:getStage() == 2 and gameInfo:getLevel() == 1)
        assert(gameInfo:getMaxStage() == 2 and gameInfo:getMaxLevel() == 1)
        assert(gameInfo:getLevelFileName() == "S2L1")
        gameInfo:DestroyCountryProgress()
        assert(gameInfo:getStage() == 2)

        gameInfo:setScore(250)
        gameInfo:WriteResultToHiScores()
        local line = gameInfo:getHiScoresLine(1)
        assert(line.name == "Ann" and line.score == 250)
        line.score = 1
        assert(gameInfo:getHiScoresLine(1).score == 250)
        assert(gameInfo:getHiScoresLine(10).name == "")

        gameInfo:IncreaseDifficultyLevel()
        assert(gameInfo:getStageStartMusicName(99) == "")
        assert(gameInfo:getStageMainMusicDelay(-1) == 0)

        gameInfo:DeletePlayer("Bob")
        assert(not gameInfo:isPlayerExist("Bob"))
        gameInfo:setCustomCursor(true)
        assert(gameInfo:getCustomCursor())
        assert(gameInfo:Save())
    )");
    EXPECT_EQ(gameInfo.GetPlayer("Ann").difficultyLevel, -1);
    EXPECT_TRUE(gameInfo.GetPlayer("Ann").firstMultIsShow);

    GameInfo reloaded;
    ASSERT_TRUE(reloaded.LoadGameState());
    EXPECT_EQ(reloaded.getNumberOfPlayers(), 1);
    EXPECT_EQ(reloaded.GetPlayer("Ann").score, 250);
    EXPECT_TRUE(reloaded.getCustomCursor());
}
