#pragma once

// One player profile: identity, progress through the stages and their levels,
// counters, the bonus stock, per-level bonus records, per-player flags and the
// hints already shown. The progress rules that need nothing but the profile
// and the level map live here; the game state applies them to the active
// profile.

#include "game/state/LevelInfo.h"
#include "game/state/LevelMap.h"

#include <set>
#include <string>
#include <vector>

constexpr int STAGE_COUNT = 7;
constexpr int BONUS_KINDS = 4;

class Player {
public:
    Player() = default;
    explicit Player(std::string playerName) : name(std::move(playerName)) {}

    // Advances to the next level, stage and pass; the level counts come from
    // the level map.
    void CompleteLevel(const std::vector<LevelMapStage>& stages);
    // A copy of the record of (stage index, level index), zeros when absent.
    LevelInfo GetLevelInfo(int stage, int level) const;
    // Stores a record; new levels and stages are appended in play order.
    void SetLevelInfo(int stage, int level, const LevelInfo& info);
    // Restarts the farthest stage: its records cleared, the stock restored.
    void DestroyCountryProgress();
    // Back to the first level of the first stage, every record cleared.
    void ResetProgress();

    void ShowHint(const std::string& hint) { shownHints.insert(hint); }
    bool IsHintShow(const std::string& hint) const { return shownHints.count(hint) != 0; }

    // False for numbers outside the stock (0..3).
    static bool IsBonusNumber(int number) { return number >= 0 && number < BONUS_KINDS; }

    int uid = 0;
    std::string name;
    int lives = 3;
    int score = 0;
    int lastScore = 0;
    int tiles = 0;
    int pieces = 0;
    int cycle = 1;
    int menuParam1 = 0;
    int wiseTipNumber = 0;
    bool win = false;
    bool showSSTip = false;
    bool ignoreShowHints = false;
    bool viewHistory = false;
    bool showHelp = true;
    int timeBonus = 0;
    bool isArtefactSwapped = false;
    bool needShowArtefactTip = true;
    float levelTime = 0.0f;
    float timeToLevel = 0.0f;
    float totalTime = 0.0f;
    int difficultyLevel = 0;
    int completeLevelFactor = 0;
    int level = 1;
    int stage = 1;
    int maxLevel = 1;
    int maxStage = 1;
    bool levelNotComp = false;
    bool hintsEnabled = true;
    int bonusCount[BONUS_KINDS] = {};
    int bonusInLevel = 0;
    int numMatches = 0;
    bool firstMultIsShow = false;
    std::vector<std::vector<LevelInfo>> levelInfos;
    LevelInfo completedStages[STAGE_COUNT];
    float sunEnergy = 0.0f;
    std::set<std::string> shownHints;
    // The artefact pieces in place when the board last stored its progress.
    std::vector<int> artefactQueue;
};
