// The tutorial tips, the hints, the dead board's reshuffle and the
// artefact's collecting.

#include "game/board/GameField.h"

void GameField::ShowTip(int /*event*/, int /*argument*/) {}

void GameField::CheckNoMoves() {}

void GameField::NoMoves(const std::string& /*reason*/) {}

void GameField::StartArtefactCollecting() {}
