#include "gui/script_api/GameInfoBindings.h"

#include "game/state/GameInfo.h"

#include <luabind/luabind.hpp>

namespace {

// HintsEnabled hands the flag to scripts by value.
bool HintsEnabledValue(GameInfo& info)
{
    return info.HintsEnabled();
}

} // namespace

void RegisterGameInfoBindings(lua_State* L)
{
    using namespace luabind;
    module(L)[
        class_<HiScoresElem>("HiScoresElem")
            .def_readwrite("name", &HiScoresElem::name)
            .def_readwrite("score", &HiScoresElem::score),

        class_<GameInfo>("GameInfo")
            // Fields of the active profile.
            .def("getLives", &GameInfo::getLives)
            .def("setLives", &GameInfo::setLives)
            .def("getScore", &GameInfo::getScore)
            .def("setScore", &GameInfo::setScore)
            .def("getLevel", &GameInfo::getLevel)
            .def("getStage", &GameInfo::getStage)
            .def("getMaxLevel", &GameInfo::getMaxLevel)
            .def("getMaxStage", &GameInfo::getMaxStage)
            .def("getLevelTime", &GameInfo::getLevelTime)
            .def("setLevelTime", &GameInfo::setLevelTime)
            .def("getSunEnergy", &GameInfo::getSunEnergy)
            .def("setSunEnergy", &GameInfo::setSunEnergy)
            .def("getBonusCount", &GameInfo::getBonusCount)
            .def("setBonusCount", &GameInfo::setBonusCount)
            .def("IsArtefactSwapped", &GameInfo::IsArtefactSwapped)
            .def("ArtefactSwapped", &GameInfo::ArtefactSwapped)
            .def("HintsEnabled", &HintsEnabledValue)
            .def("getHintsEnabled", &GameInfo::getHintsEnabled)
            .def("setHintsEnabled", &GameInfo::setHintsEnabled)
            .def("getWin", &GameInfo::getWin)
            .def("setWin", &GameInfo::setWin)
            .def("getViewHistory", &GameInfo::getViewHistory)
            .def("setViewHistory", &GameInfo::setViewHistory)
            .def("getShowHelp", &GameInfo::getShowHelp)
            .def("setShowHelp", &GameInfo::setShowHelp)
            .def("getMenuParam1", &GameInfo::getMenuParam1)
            .def("setMenuParam1", &GameInfo::setMenuParam1)
            .def("getWiseTipNumber", &GameInfo::getWiseTipNumber)
            .def("getNumOfWiseTips", &GameInfo::getWiseTipNumber)
            .def("setWiseTipNumber", &GameInfo::setWiseTipNumber)
            .def("GetWiseTipsTotal", &GameInfo::GetWiseTipsTotal)
            .def("getCycle", &GameInfo::getCycle)
            .def("setCycle", &GameInfo::setCycle)
            .def("getShowSSTip", &GameInfo::getShowSSTip)
            .def("setShowSSTip", &GameInfo::setShowSSTip)
            .def("FirstMultIsShow", &GameInfo::FirstMultIsShow)
            .def("setNeedShowArtefactTip", &GameInfo::setNeedShowArtefactTip)
            // Flags and options.
            .def("IsGameOver", &GameInfo::IsGameOver)
            .def("NeedDecLivesOnExit", &GameInfo::NeedDecLivesOnExit)
            .def("getNeedCollectArtefact", &GameInfo::getNeedCollectArtefact)
            .def("getFullscreen", &GameInfo::getFullscreen)
            .def("setFullscreen", &GameInfo::setFullscreen)
            .def("getSoundVolume", &GameInfo::getSoundVolume)
            .def("setSoundVolume", &GameInfo::setSoundVolume)
            .def("getMusicVolume", &GameInfo::getMusicVolume)
            .def("setMusicVolume", &GameInfo::setMusicVolume)
            .def("getCustomCursor", &GameInfo::getCustomCursor)
            .def("setCustomCursor", &GameInfo::setCustomCursor)
            .def("getNumOfSplashes", &GameInfo::getNumOfSplashes)
            .def("getUseExternalScreensaver", &GameInfo::getUseExternalScreensaver)
            .def("getUseScreensaver", &GameInfo::getUseScreensaver)
            // Operations.
            .def("getName", &GameInfo::getName)
            .def("getNumberOfPlayers", &GameInfo::getNumberOfPlayers)
            .def("getPlayerName", &GameInfo::getPlayerName)
            .def("isPlayerExist", &GameInfo::isPlayerExist)
            .def("NoPlayers", &GameInfo::NoPlayers)
            .def("AddNewPlayer", &GameInfo::AddNewPlayer)
            .def("DeletePlayer", &GameInfo::DeletePlayer)
            .def("setActivePlayer", &GameInfo::setActivePlayer)
            .def("setUID", &GameInfo::setUID)
            .def("LoadGameState", &GameInfo::LoadGameState)
            .def("Load", &GameInfo::LoadGameState)
            .def("SaveGameState", &GameInfo::SaveGameState)
            .def("Save", &GameInfo::SaveGameState)
            .def("LoadLevelMap", &GameInfo::LoadLevelMap)
            .def("getLevelFileName", &GameInfo::getLevelFileName)
            .def("CompleteLevel", &GameInfo::CompleteLevel)
            .def("DestroyCountryProgress", &GameInfo::DestroyCountryProgress)
            .def("ResetInfoToBeginLevel", &GameInfo::ResetInfoToBeginLevel)
            .def("ShowHint", &GameInfo::ShowHint)
            .def("IsHintShow", &GameInfo::IsHintShow)
            .def("WriteResultToHiScores", &GameInfo::WriteResultToHiScores)
            .def("getHiScoresLine", &GameInfo::getHiScoresLine)
            .def("IncreaseDifficultyLevel", &GameInfo::IncreaseDifficultyLevel)
            .def("getStageStartMusicName", &GameInfo::getStageStartMusicName)
            .def("getStageMainMusicName", &GameInfo::getStageMainMusicName)
            .def("getStageMainMusicDelay", &GameInfo::getStageMainMusicDelay)
            .def("getStageStartFadeSpeed", &GameInfo::getStageStartFadeSpeed)
            .def("getStageMainFadeSpeed", &GameInfo::getStageMainFadeSpeed)
    ];
}
