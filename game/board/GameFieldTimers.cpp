// The level's clock and its timers: the timer bar's fill, the artefact
// pieces' flash, the skips to another level.

#include "game/board/GameField.h"

void GameField::AddFillTimer() {}

void GameField::StartArtefactFlash() {}

void GameField::NextLevel() {}

void GameField::PreviousLevel() {}
