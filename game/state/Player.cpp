#include "game/state/Player.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"

#include <algorithm>

namespace {

void ClearBonusRecords(LevelInfo& info)
{
    for (int i = 0; i < LEVEL_INFO_SLOTS; ++i) {
        info.takedBonus[i] = 0;
        info.usedBonus[i] = 0;
    }
}

} // namespace

void Player::CompleteLevel(const std::vector<LevelMapStage>& stages)
{
    level += 1;
    levelNotComp = false;

    if (stage >= 1 && stage <= static_cast<int>(stages.size())) {
        if (level > static_cast<int>(stages[stage - 1].levels.size())) {
            level = 1;
            stage += 1;
        }
    } else {
        // Without the stage's entry in the level map the number of its levels
        // is unknown: the player stays in the stage.
        LogError("GameInfo", "CompleteLevel: stage " + IntToString(stage) + " is not in the level map");
    }

    if (level > maxLevel && stage == maxStage)
        maxLevel = level;

    if (stage > maxStage) {
        maxStage = stage;
        maxLevel = 1;
        const int s = stage > STAGE_COUNT ? 0 : stage - 1;
        if (s >= 0) {
            for (int i = 0; i < BONUS_KINDS; ++i)
                completedStages[s].extra[i] = bonusCount[i];
        }
    }

    if (stage > STAGE_COUNT) {
        cycle += 1;
        stage = 1;
        win = true;
    }
}

LevelInfo Player::GetLevelInfo(int s, int l) const
{
    if (s >= 0 && s < static_cast<int>(levelInfos.size()) && l >= 0 &&
        l < static_cast<int>(levelInfos[s].size()))
        return levelInfos[s][l];
    return LevelInfo();
}

void Player::SetLevelInfo(int s, int l, const LevelInfo& info)
{
    const int n = static_cast<int>(levelInfos.size());
    if (s < 0 || l < 0) {
        LogError("GameInfo", "SetLevelInfo: no level record (" + IntToString(s) + ", " + IntToString(l) + ")");
        return;
    }
    if (s + 1 < n) {
        if (l < static_cast<int>(levelInfos[s].size()))
            levelInfos[s][l] = info;
        else
            LogError("GameInfo", "SetLevelInfo: level " + IntToString(l) + " is past the end of stage list " +
                                     IntToString(s));
        return;
    }
    if (s + 1 == n && l < static_cast<int>(levelInfos[s].size())) {
        levelInfos[s][l] = info;
        return;
    }
    if (s == n - 1) {
        levelInfos.back().push_back(info);
        return;
    }
    levelInfos.push_back(std::vector<LevelInfo>(1, info));
}

void Player::DestroyCountryProgress()
{
    const int m = maxStage;
    if (m < 1 || m > STAGE_COUNT) {
        LogError("GameInfo", "DestroyCountryProgress: no stage to restart (maxStage " + IntToString(m) + ")");
        return;
    }
    if (m - 1 < static_cast<int>(levelInfos.size())) {
        std::vector<LevelInfo>& list = levelInfos[m - 1];
        const int count = std::min(maxLevel, static_cast<int>(list.size()));
        for (int i = 0; i < count; ++i)
            ClearBonusRecords(list[i]);
    }
    for (int i = 0; i < BONUS_KINDS; ++i)
        bonusCount[i] = completedStages[m - 1].extra[i];
    maxLevel = 1;
    level = 1;
    stage = m;
}

void Player::ResetProgress()
{
    level = 1;
    stage = 1;
    maxLevel = 1;
    maxStage = 1;
    for (std::vector<LevelInfo>& list : levelInfos) {
        for (LevelInfo& info : list)
            ClearBonusRecords(info);
    }
}
