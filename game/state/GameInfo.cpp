#include "game/state/GameInfo.h"

#include "engine/platform/Application.h"
#include "engine/platform/GameInfoSetup.h"
#include "engine/platform/HtmlLog.h"
#include "engine/platform/PlayerMessage.h"
#include "engine/platform/Settings.h"
#include "engine/platform/StartUp.h"
#include "engine/util/FileSystem.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "engine/util/XmlFile.h"
#include "game/state/AdaptiveDifficulty.h"
#include "game/state/GameInfoFile.h"
#include "game/state/GameplayConstFile.h"
#include "game/state/LevelCellCountsFile.h"
#include "game/state/LevelMapFile.h"
#include "game/state/MusicInfoFile.h"

#include <cerrno>
#include <cstring>
#include <tinyxml.h>

namespace {

constexpr int DEFAULT_LEVELS_PER_STAGE = 15;

void LogIndexError(const std::string& operation, int index)
{
    LogError("GameInfo", operation + ": index " + IntToString(index) + " is out of range");
}

} // namespace

std::string GameInfoPath()
{
    return g_appDataFolder + "/GameInfo.xml";
}

int UidFromRandom(int r)
{
    const float k1 = 3.0518509e-05f;
    const float k2 = -31998.998f;
    const float scaled = static_cast<float>(r) * k1;
    const float product = scaled * k2;
    return 1 - static_cast<int>(product);
}

GameInfo::GameInfo()
    : _defaultPlayer("")
{
    _defaultPlayer.levelInfos.assign(STAGE_COUNT, std::vector<LevelInfo>(DEFAULT_LEVELS_PER_STAGE));
}

// ---------------------------------------------------------------- profiles

Player& GameInfo::GetPlayer(const std::string& name)
{
    if (_demoMode || _players.empty())
        return _defaultPlayer;
    if (_lookupName.empty() || name != _lookupName) {
        _lookupName = name;
        const auto found = _players.find(name);
        _lookup = found == _players.end() ? nullptr : &found->second;
    }
    return _lookup ? *_lookup : _defaultPlayer;
}

bool GameInfo::AddNewPlayer(const std::string& name)
{
    _lookupName.clear();
    if (_players.count(name) != 0)
        return false;
    _players.insert({name, Player(name)});
    setActivePlayer(name);
    setUID();
    return true;
}

void GameInfo::DeletePlayer(std::string name)
{
    _lookupName.clear();
    _players.erase(name);
}

void GameInfo::LogSelectedPlayer() const
{
    g_log.WriteLabeled("Select player", "Green", _activePlayer);
}

void GameInfo::setActivePlayer(const std::string& name)
{
    _activePlayer = name;
    LogSelectedPlayer();
}

std::string GameInfo::getPlayerName(int i) const
{
    auto it = _players.begin();
    for (; i > 0 && it != _players.end(); --i)
        ++it;
    return it == _players.end() ? std::string() : it->first;
}

void GameInfo::setUID()
{
    for (;;) {
        const int uid = UidFromRandom(RandomInt());
        bool taken = false;
        for (const auto& entry : _players)
            taken = taken || entry.second.uid == uid;
        for (const HiScoresElem& entry : _hiScores)
            taken = taken || entry.uid == uid;
        if (!taken) {
            Active().uid = uid;
            return;
        }
    }
}

// ---------------------------------------------------------- level start

void GameInfo::StoreLevelStartState()
{
    Player& player = Active();
    _levelStart.tiles = player.tiles;
    _levelStart.numMatches = player.numMatches;
    _levelStart.score = player.score;
    _levelStart.pieces = player.pieces;
    const LevelInfo info = player.GetLevelInfo(player.stage - 1, player.level - 1);
    for (int i = 0; i < BONUS_KINDS; ++i) {
        _levelStart.bonusCount[i] = player.bonusCount[i];
        _levelStart.takedBonus[i] = info.takedBonus[i];
    }
}

void GameInfo::ResetInfoToBeginLevel()
{
    Player& player = Active();
    LevelInfo info = player.GetLevelInfo(player.stage - 1, player.level - 1);
    for (int i = 0; i < BONUS_KINDS; ++i) {
        player.bonusCount[i] = _levelStart.bonusCount[i];
        info.takedBonus[i] = _levelStart.takedBonus[i];
    }
    player.SetLevelInfo(player.stage - 1, player.level - 1, info);
}

void GameInfo::SendConfirmationText(const std::string& textId)
{
    if (!_confirmationSender)
        return;
    _confirmationSender("ExitGame", "ConfirmText", textId);
    _confirmationSender("ExitGameNoLostLife", "ConfirmText", textId);
}

void GameInfo::ShowExitConfirmation()
{
    SendConfirmationText(Active().lives > 1 ? "EndGameAndLostLife" : "EndGameAndLostLastLife");
    _needDecLivesOnExit = true;
}

void GameInfo::ShowEndGameConfirmation()
{
    SendConfirmationText("EndGame");
    _needDecLivesOnExit = false;
}

bool GameInfo::GetChainMessage(int n, std::string& text) const
{
    const auto found = _gameplay.chainMessages.find(n);
    if (found == _gameplay.chainMessages.end())
        return false;
    text = found->second;
    return true;
}

// ------------------------------------------------------------ save file

bool GameInfo::LoadGameState()
{
    _stages.clear();
    LoadLevelMap();
    LoadMusicInfo();

    bool loaded = false;
    TiXmlDocument document;
    if (LoadXmlFile(GameInfoPath(), document) && CheckGameInfoDocument(document, 1) != SavedGameInfo::Damaged) {
        GameInfoContents contents;
        contents.options = _options;
        ReadGameInfoDocument(document, _stages, contents);
        _lookupName.clear();
        _players = std::move(contents.players);
        _activePlayer = contents.activePlayer;
        LogSelectedPlayer();
        _options = contents.options;
        _hiScores = std::move(contents.hiScores);
        _saveRefused = false;
        loaded = true;
    } else if (FileExists(GameInfoPath())) {
        _saveRefused = true;
        LogError("GameInfo.xml", "Can't read " + GameInfoPath() + " as a save; it will not be written over");
    } else {
        LogError("GameInfo.xml", "No " + GameInfoPath() + "; starting without profiles");
    }

    LoadGameplayConstFile("GameplayConst.xml", _gameplay);
    LoadLevelCellCounts();
    return loaded;
}

bool GameInfo::SaveGameState()
{
    if (g_appDataFolder.empty()) {
        LogError("GameInfo.xml", "Not saved: there is no application-data folder");
        return false;
    }
    if (_saveRefused) {
        TellSaveFailure("the save there could not be read and is kept as it is");
        return false;
    }
    ScopedTimerPause pause;
    GameInfoContents contents;
    contents.players = _players;
    contents.activePlayer = _activePlayer;
    contents.options = _options;
    contents.hiScores = _hiScores;
    TiXmlDocument document;
    WriteGameInfoDocument(contents, g_settings.requiredGameInfoVersion, _stages, document);
    if (!SaveGameInfoFile(document, GameInfoPath())) {
        TellSaveFailure(std::strerror(errno));
        return false;
    }
    return true;
}

void GameInfo::TellSaveFailure(const std::string& reason)
{
    const std::string text = "Your progress could not be saved to " + GameInfoPath() + " (" + reason +
                             "). The previous save there is kept.";
    // Once a run: the player need not hear it at every save.
    if (_saveFailureTold) {
        LogError("GameInfo.xml", text);
        return;
    }
    _saveFailureTold = true;
    TellPlayer("Error!", text);
}

// ------------------------------------------------------------ data files

void GameInfo::LoadLevelMap()
{
    LoadLevelMapFile("LevelMap.xml", _stages);
}

void GameInfo::SaveLevelMap()
{
    SaveLevelMapFile("levelMap.xml", _stages);
}

void GameInfo::LoadMusicInfo()
{
    _stageMusic.clear();
    LoadMusicInfoFile("Music.xml", _stageMusic);
}

void GameInfo::LoadLevelCellCounts()
{
    LoadLevelCellCountsFile("Level.xml", _stages, _levelCellCounts);
}

LevelMapStage& GameInfo::GetMapStage(int stage)
{
    static LevelMapStage none;
    if (stage < 0 || stage >= static_cast<int>(_stages.size())) {
        LogIndexError("GetMapStage", stage);
        none = LevelMapStage();
        return none;
    }
    return _stages[stage];
}

LevelMapLevel& GameInfo::GetMapLevel(int level, int stage)
{
    static LevelMapLevel none;
    if (stage < 0 || stage >= static_cast<int>(_stages.size())) {
        LogIndexError("GetMapLevel (stage)", stage);
        none = LevelMapLevel();
        return none;
    }
    std::vector<LevelMapLevel>& levels = _stages[stage].levels;
    if (level < 0 || level >= static_cast<int>(levels.size())) {
        LogIndexError("GetMapLevel", level);
        none = LevelMapLevel();
        return none;
    }
    return levels[level];
}

std::string GameInfo::getLevelFileName()
{
    const Player& player = Active();
    const int stage = player.stage - 1;
    const int level = player.level - 1;
    if (stage < 0 || stage >= static_cast<int>(_stages.size()) || level < 0 ||
        level >= static_cast<int>(_stages[stage].levels.size())) {
        LogError("GameInfo", "getLevelFileName: stage " + IntToString(player.stage) + ", level " +
                                 IntToString(player.level) + " is not in the level map");
        return std::string();
    }
    return _stages[stage].levels[level].name;
}

LevelInfo GameInfo::GetLevelCellCounts(int stage, int level) const
{
    if (stage < 0 || stage >= static_cast<int>(_levelCellCounts.size()) || level < 0 ||
        level >= static_cast<int>(_levelCellCounts[stage].size())) {
        LogError("GameInfo", "GetLevelCellCounts: no level (" + IntToString(stage) + ", " + IntToString(level) + ")");
        return LevelInfo();
    }
    return _levelCellCounts[stage][level];
}

const StageMusic* GameInfo::Music(int stage, const char* getter) const
{
    if (stage < 0 || stage >= static_cast<int>(_stageMusic.size())) {
        LogIndexError(getter, stage);
        return nullptr;
    }
    return &_stageMusic[stage];
}

std::string GameInfo::getStageStartMusicName(int stage) const
{
    const StageMusic* music = Music(stage, "getStageStartMusicName");
    return music ? music->startMusic : std::string();
}

std::string GameInfo::getStageMainMusicName(int stage) const
{
    const StageMusic* music = Music(stage, "getStageMainMusicName");
    return music ? music->mainMusic : std::string();
}

float GameInfo::getStageMainMusicDelay(int stage) const
{
    const StageMusic* music = Music(stage, "getStageMainMusicDelay");
    return music ? music->mainMusicDelay : 0.0f;
}

float GameInfo::getStageStartFadeSpeed(int stage) const
{
    const StageMusic* music = Music(stage, "getStageStartFadeSpeed");
    return music ? music->startFadeSpeed : 0.0f;
}

float GameInfo::getStageMainFadeSpeed(int stage) const
{
    const StageMusic* music = Music(stage, "getStageMainFadeSpeed");
    return music ? music->mainFadeSpeed : 0.0f;
}

// -------------------------------------------------------------- progress

void GameInfo::CompleteLevel()
{
    Active().CompleteLevel(_stages);
}

LevelInfo GameInfo::GetLevelInfo(int stage, int level)
{
    return Active().GetLevelInfo(stage, level);
}

void GameInfo::SetLevelInfo(int stage, int level, LevelInfo info)
{
    Active().SetLevelInfo(stage, level, info);
}

void GameInfo::DestroyCountryProgress()
{
    Active().DestroyCountryProgress();
}

void GameInfo::ResetProgress()
{
    Active().ResetProgress();
}

int GameInfo::getBonusCount(int number)
{
    if (!Player::IsBonusNumber(number)) {
        LogIndexError("getBonusCount", number);
        return 0;
    }
    return Active().bonusCount[number];
}

void GameInfo::setBonusCount(int number, int count)
{
    if (!Player::IsBonusNumber(number)) {
        LogIndexError("setBonusCount", number);
        return;
    }
    Active().bonusCount[number] = count;
}

// ------------------------------------------------------------- hi-scores

void GameInfo::WriteResultToHiScores()
{
    if (_demoMode) {
        LogError("GameInfo", "WriteResultToHiScores: the demo's result is not recorded");
        return;
    }
    const auto found = _players.find(_activePlayer);
    if (found == _players.end()) {
        LogError("GameInfo", "WriteResultToHiScores: no profile named \"" + _activePlayer + "\"");
        return;
    }
    const Player& player = found->second;
    HiScoresElem entry;
    entry.name = _activePlayer;
    entry.score = player.score;
    entry.cycle = player.cycle;
    entry.uid = player.uid;
    InsertHiScore(_hiScores, entry);
}

HiScoresElem GameInfo::getHiScoresLine(int n) const
{
    if (n < 1 || n > static_cast<int>(_hiScores.size()))
        return HiScoresElem();
    return _hiScores[n - 1];
}

// ------------------------------------------------------------ difficulty

void GameInfo::CountEasyLevel()
{
    ::CountEasyLevel(Active());
}

void GameInfo::CountHardLevel()
{
    ::CountHardLevel(Active());
}

void GameInfo::IncreaseDifficultyLevel()
{
    ::IncreaseDifficultyLevel(Active());
}

void GameInfo::DecreaseDifficultyLevel()
{
    ::DecreaseDifficultyLevel(Active());
}
