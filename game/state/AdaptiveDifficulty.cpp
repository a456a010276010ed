#include "game/state/AdaptiveDifficulty.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/StringUtils.h"
#include "game/state/Player.h"

namespace {

constexpr int STREAK_LENGTH = 5;

void LogDifficulty(const char* label, int value)
{
    g_log.WriteLabeled(label, "DarkBlue", "Current difficulty level: " + IntToString(value));
}

} // namespace

void CountEasyLevel(Player& player)
{
    if (player.stage <= 1)
        return;
    player.completeLevelFactor += 1;
    if (player.completeLevelFactor == STREAK_LENGTH) {
        player.completeLevelFactor = 0;
        IncreaseDifficultyLevel(player);
    }
}

void CountHardLevel(Player& player)
{
    if (player.stage <= 1)
        return;
    player.completeLevelFactor -= 1;
    if (player.completeLevelFactor == -STREAK_LENGTH) {
        player.completeLevelFactor = 0;
        DecreaseDifficultyLevel(player);
    }
}

void IncreaseDifficultyLevel(Player& player)
{
    player.difficultyLevel -= 1;
    if (player.difficultyLevel <= HARDEST_DIFFICULTY)
        player.difficultyLevel = HARDEST_DIFFICULTY;
    LogDifficulty("Increase difficulty", player.difficultyLevel);
}

void DecreaseDifficultyLevel(Player& player)
{
    player.difficultyLevel += 1;
    if (player.difficultyLevel >= EASIEST_DIFFICULTY)
        player.difficultyLevel = EASIEST_DIFFICULTY;
    LogDifficulty("Decrease difficulty", player.difficultyLevel);
}
