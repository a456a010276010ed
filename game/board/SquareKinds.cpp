#include "game/board/SquareKinds.h"

bool IsSquareKind(int kind)
{
    return kind >= 0 && (kind < 48 || (kind >= 160 && kind < 208));
}

int KindColour(int kind)
{
    return kind & 0xF;
}

bool IsFixedKind(int kind)
{
    switch (kind & 0xF0) {
    case kKindLocked:
    case kKindDoubleLocked:
    case kKindStone:
    case kKindIce:
    case kKindFixedLocked:
    case kKindFixedDoubleLocked:
        return kind >= 0;
    default:
        return kind == kKindMusor;
    }
}

bool IsArtefactKind(int kind)
{
    return kind >= kKindArtefact && kind < kKindIce;
}

bool IsBonusKind(int kind)
{
    return kind >= kKindBonus && kind < kKindArtefact;
}

int BonusNumber(int kind)
{
    if (!IsBonusKind(kind) || (kind & 0xF) >= 8)
        return -1;
    return kind & 3;
}
