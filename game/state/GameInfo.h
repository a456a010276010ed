#pragma once

// The game state: the player profiles and the active one, the options, the
// hi-scores, the tables of the game's data files, a default profile for the
// demo and for play without a profile, the snapshot taken at level start, and
// the flags that the board, the screens and the scripts share. Every read or
// write of a profile goes through GetPlayer with the active name.

#include "game/state/GameOptions.h"
#include "game/state/GameplayConstants.h"
#include "game/state/HiScoresElem.h"
#include "game/state/LevelInfo.h"
#include "game/state/LevelMap.h"
#include "game/state/LevelStartState.h"
#include "game/state/Player.h"
#include "game/state/StageMusic.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class GameInfo {
public:
    GameInfo();
    GameInfo(const GameInfo&) = delete;
    GameInfo& operator=(const GameInfo&) = delete;

    // The profile of that name; the default profile in demo mode, with no
    // profiles, or for a name without a profile.
    Player& GetPlayer(const std::string& name);

    // Profiles.
    bool AddNewPlayer(const std::string& name);
    void DeletePlayer(std::string name);
    void setActivePlayer(const std::string& name);
    std::string getName() const { return _activePlayer; }
    bool isPlayerExist(const std::string& name) const { return _players.count(name) != 0; }
    int getNumberOfPlayers() const { return static_cast<int>(_players.size()); }
    std::string getPlayerName(int i) const;
    bool NoPlayers() const { return _players.empty(); }
    void setUID();

    // Level start and restart.
    void StoreLevelStartState();
    const LevelStartState* GetLevelStartState() const { return &_levelStart; }
    void ResetInfoToBeginLevel();

    // The texts of the exit confirmation layers.
    void ShowExitConfirmation();
    void ShowEndGameConfirmation();
    // Delivers a text id to a widget of a layer (the GUI manager provides it);
    // without one the texts go nowhere.
    using ConfirmationTextSender =
        std::function<void(const std::string& layer, const std::string& widget, const std::string& textId)>;
    void SetConfirmationTextSender(ConfirmationTextSender sender) { _confirmationSender = std::move(sender); }

    // Flags.
    bool IsGameOver() const { return _gameOver; }
    bool& GameOverFlag() { return _gameOver; }
    bool getNeedCollectArtefact() const { return _needCollectArtefact; }
    void setNeedCollectArtefact(bool value) { _needCollectArtefact = value; }
    bool NeedDecLivesOnExit() const { return _needDecLivesOnExit; }
    bool IsDemoMode() const { return _demoMode; }
    void SetDemoMode(bool value) { _demoMode = value; }

    // Options.
    bool getFullscreen() const { return _options.fullscreen; }
    void setFullscreen(bool value) { _options.fullscreen = value; }
    int getSoundVolume() const { return _options.soundVolume; }
    void setSoundVolume(int value) { _options.soundVolume = value; }
    int getMusicVolume() const { return _options.musicVolume; }
    void setMusicVolume(int value) { _options.musicVolume = value; }
    bool getCustomCursor() const { return _options.customCursor; }
    void setCustomCursor(bool value) { _options.customCursor = value; }
    int getNumOfSplashes() const { return _numOfSplashes; }
    bool getUseExternalScreensaver() const { return _useExternalScreensaver; }
    bool getUseScreensaver() const { return _useScreensaver; }

    // Game-play constants.
    int GetLifeBonusScores() const { return _gameplay.lifeBonusScores; }
    int GetWiseTipsTotal() const { return _gameplay.wiseTipsTotal; }
    int GetMaxTrashOnField() const { return _gameplay.maxTrashOnField; }
    int GetAddMaxTrashOnCycle() const { return _gameplay.addMaxTrashOnCycle; }
    int GetAbsoluteMaxTrashOnField() const { return _gameplay.absoluteMaxTrashOnField; }
    int GetChain5() const { return _gameplay.chain5; }
    int GetChain9() const { return _gameplay.chain9; }
    int GetChain12() const { return _gameplay.chain12; }
    bool GetChainMessage(int n, std::string& text) const;

    // Persistence: the data files and GameInfo.xml. LoadGameState returns
    // false when GameInfo.xml could not be read as a save; SaveGameState
    // false when nothing was written, and the first failure of a run is told
    // to the player.
    bool LoadGameState();
    bool SaveGameState();

    // Game data files.
    void LoadLevelMap();
    void SaveLevelMap();
    void LoadMusicInfo();
    void LoadLevelCellCounts();
    int GetMapStageCount() const { return static_cast<int>(_stages.size()); }
    // The world map's editor changes the positions in place. Indexes out of
    // range give an empty record (with a log line).
    LevelMapStage& GetMapStage(int stage);
    LevelMapLevel& GetMapLevel(int level, int stage);
    std::string getLevelFileName();
    LevelInfo GetLevelCellCounts(int stage, int level) const;
    std::string getStageStartMusicName(int stage) const;
    std::string getStageMainMusicName(int stage) const;
    float getStageMainMusicDelay(int stage) const;
    float getStageStartFadeSpeed(int stage) const;
    float getStageMainFadeSpeed(int stage) const;

    // Progress of the active profile.
    void CompleteLevel();
    LevelInfo GetLevelInfo(int stage, int level);
    void SetLevelInfo(int stage, int level, LevelInfo info);
    void DestroyCountryProgress();
    void ResetProgress();
    void ShowHint(const std::string& hint) { Active().ShowHint(hint); }
    bool IsHintShow(const std::string& hint) { return Active().IsHintShow(hint); }
    void AddTiles(int n) { Active().tiles += n; }
    void AddPieces(int n) { Active().pieces += n; }
    void AddNumMatches(int n) { Active().numMatches += n; }
    void AddTotalTime(float seconds) { Active().totalTime += seconds; }

    // Fields of the active profile.
    int getLives() { return Active().lives; }
    void setLives(int value) { Active().lives = value; }
    int getScore() { return Active().score; }
    void setScore(int value) { Active().score = value; }
    int getLevel() { return Active().level; }
    int getStage() { return Active().stage; }
    int getMaxLevel() { return Active().maxLevel; }
    int getMaxStage() { return Active().maxStage; }
    float getLevelTime() { return Active().levelTime; }
    void setLevelTime(float value) { Active().levelTime = value; }
    float getSunEnergy() { return Active().sunEnergy; }
    void setSunEnergy(float value) { Active().sunEnergy = value; }
    // Bonus numbers outside 0..3 read 0 and store nothing.
    int getBonusCount(int number);
    void setBonusCount(int number, int count);
    bool IsArtefactSwapped() { return Active().isArtefactSwapped; }
    void ArtefactSwapped() { Active().isArtefactSwapped = true; }
    bool& HintsEnabled() { return Active().hintsEnabled; }
    bool getHintsEnabled() { return Active().hintsEnabled; }
    void setHintsEnabled(bool value) { Active().hintsEnabled = value; }
    bool getWin() { return Active().win; }
    void setWin(bool value) { Active().win = value; }
    bool getViewHistory() { return Active().viewHistory; }
    void setViewHistory(bool value) { Active().viewHistory = value; }
    bool getShowHelp() { return Active().showHelp; }
    void setShowHelp(bool value) { Active().showHelp = value; }
    int getMenuParam1() { return Active().menuParam1; }
    void setMenuParam1(int value) { Active().menuParam1 = value; }
    int getWiseTipNumber() { return Active().wiseTipNumber; }
    void setWiseTipNumber(int value) { Active().wiseTipNumber = value; }
    int getCycle() { return Active().cycle; }
    void setCycle(int value) { Active().cycle = value; }
    bool getShowSSTip() { return Active().showSSTip; }
    void setShowSSTip(bool value) { Active().showSSTip = value; }
    void FirstMultIsShow() { Active().firstMultIsShow = true; }
    void setNeedShowArtefactTip(bool value) { Active().needShowArtefactTip = value; }

    // Hi-scores. Lines are counted from 1; a line past the table is empty.
    void WriteResultToHiScores();
    HiScoresElem getHiScoresLine(int n) const;
    const std::vector<HiScoresElem>& GetHiScores() const { return _hiScores; }

    // Difficulty of the active profile.
    void CountEasyLevel();
    void CountHardLevel();
    void IncreaseDifficultyLevel();
    void DecreaseDifficultyLevel();
    int GetDifficultyLevel() { return Active().difficultyLevel; }

    // Handed over by start-up from settings.ini.
    int _numOfSplashes = 0;
    bool _useExternalScreensaver = false;
    bool _useScreensaver = false;

private:
    Player& Active() { return GetPlayer(_activePlayer); }
    void TellSaveFailure(const std::string& reason);
    void SendConfirmationText(const std::string& textId);
    void LogSelectedPlayer() const;
    const StageMusic* Music(int stage, const char* getter) const;

    std::string _lookupName;
    Player* _lookup = nullptr;
    std::map<std::string, Player> _players;
    std::string _activePlayer;
    std::vector<HiScoresElem> _hiScores;
    std::vector<LevelMapStage> _stages;
    bool _gameOver = false;
    std::vector<StageMusic> _stageMusic;
    // The chain messages and the single numbers of GameplayConst.xml.
    GameplayConstants _gameplay;
    Player _defaultPlayer;
    bool _demoMode = false;
    LevelStartState _levelStart;
    std::vector<std::vector<LevelInfo>> _levelCellCounts;
    bool _needDecLivesOnExit = false;
    bool _needCollectArtefact = false;
    GameOptions _options;

    // Set when an existing GameInfo.xml could not be read: saving would
    // replace the player's data with what this run happens to hold.
    bool _saveRefused = false;
    // A failed save has been told to the player in this run.
    bool _saveFailureTold = false;
    ConfirmationTextSender _confirmationSender;
};

// The path of the live save file.
std::string GameInfoPath();

// The uid that setUID draws for a random value r (0..32767), in single
// precision: 1 for 0, 31999 for 32767.
int UidFromRandom(int r);

extern GameInfo gameInfo;
