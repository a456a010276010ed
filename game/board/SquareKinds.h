#pragma once

// The kind of a square, one int: the upper four bits give the group, the
// lower four the colour of the colour groups.
//
//   0x00-0x0F plain chip          0x40-0x4F bonus squares (0x4C the life bonus)
//   0x10-0x1F locked chip         0x50-0x9F artefact piece kind - 0x50
//   0x20-0x2F double locked chip  0xA0-0xAF ice-covered chip
//   0x30      stone               0xB0-0xBF not-falling locked chip
//   0xD0      musor               0xC0-0xCF not-falling double locked chip

constexpr int kNoSquare = -1;
constexpr int kKindLocked = 0x10;
constexpr int kKindDoubleLocked = 0x20;
constexpr int kKindStone = 0x30;
constexpr int kKindBonus = 0x40;
constexpr int kKindLifeBonus = 0x4C;
constexpr int kKindArtefact = 0x50;
constexpr int kKindIce = 0xA0;
constexpr int kKindFixedLocked = 0xB0;
constexpr int kKindFixedDoubleLocked = 0xC0;
constexpr int kKindMusor = 0xD0;

// The artefact pieces a board can hold: kinds 0x50 to 0x9F.
constexpr int kArtefactPieces = 80;

// The matchable colour squares: 0 to 47 and 160 to 207.
bool IsSquareKind(int kind);
// The colour of a matchable kind.
int KindColour(int kind);
// Never swapped: the lock, stone, ice and not-falling groups, and musor.
bool IsFixedKind(int kind);
bool IsArtefactKind(int kind);
bool IsBonusKind(int kind);
// The stock bonus (0 to 3) of a bonus square; -1 for any other kind.
int BonusNumber(int kind);
