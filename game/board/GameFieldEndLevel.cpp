// The end of a level, the lost life, the added life and the board's big
// texts.

#include "game/board/GameField.h"

#include "game/state/Player.h"

void GameField::StartEndLevelManager(int /*outcome*/) {}

void GameField::StartDecLives() {}

void GameField::AddLifeEffect() {}

void GameField::ShowLetterText(const std::string& /*text*/, const Point& /*at*/, float /*value*/) {}

void GameField::AddLevelStartTexts(const Player& /*player*/) {}
