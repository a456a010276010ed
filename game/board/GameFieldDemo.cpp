// The demo: the board plays itself on the countries' levels.

#include "game/board/GameField.h"

void GameField::RunDemo(int /*stage*/) {}

void GameField::StopDemo() {}
