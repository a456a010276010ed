// Bonus squares, life bonuses, artefact pieces and musor leave the board
// from the lowest cell of their column: each by its own effect, after which
// the board falls to fill the cell.

#include "game/board/GameField.h"

#include "game/board/FallingRunner.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/ArtefactMover.h"
#include "game/board/effects/BonusMover.h"
#include "game/board/effects/LifeBonusDownMover.h"
#include "game/board/effects/MusorDestroyer.h"
#include "game/state/Artefact.h"

namespace {
// The life bonus among the bonus squares' low four bits.
constexpr int kLifeBonusColour = 12;
} // namespace

bool GameField::StartLeavingEffect(Square* square)
{
    if (!square)
        return false;
    const int kind = square->kind;
    const int x = square->x;
    const int y = square->y;
    const float cell = static_cast<float>(_cellSize);
    const float left = cell * static_cast<float>(x) + static_cast<float>(_originX);
    const float bottom = cell * static_cast<float>(y) + static_cast<float>(_originY);

    if (IsBonusKind(kind)) {
        const int colour = kind & 0xF;
        if (colour < 8) {
            const int bonus = kind & 3;
            const HoverRect& button = _bonusButtons[bonus];
            AddController(new BonusMover(left, bottom, 0.0f, button.left, button.top,
                                         static_cast<float>(button.picture), bonus, 0.6f, this));
        } else if (colour == kLifeBonusColour) {
            AddController(new LifeBonusDownMover(static_cast<float>(_originX + 40 * x + 20),
                                                 static_cast<float>(_originY + 40 * y + 20), 0.0f, this));
        }
        // Any other bonus square simply leaves.
    } else if (IsArtefactKind(kind)) {
        // A piece the stage's artefact lacks is still carried off and
        // counted, to the artefact's anchor point.
        const ArtefactElement* piece = ArtefactMover::StagePiece(*this, kind - kKindArtefact);
        const float width = piece ? static_cast<float>(piece->width) : 0.0f;
        const float height = piece ? static_cast<float>(piece->height) : 0.0f;
        const Vector3 start(left + (cell - width) / 2.0f, bottom + (cell - height) / 2.0f, 0.25f);
        const Vector3 end(static_cast<float>(_sunOffset.x + (piece ? piece->x : 0)),
                          static_cast<float>(_sunOffset.y + (piece ? piece->y : 0)), 0.65f);
        AddController(new ArtefactMover(start, end, kind, this, square->phase, square->phaseRate));
    } else if (kind == kKindMusor) {
        AddController(new MusorDestroyer(static_cast<float>(_originX + 40 * x), static_cast<float>(_originY + 40 * y),
                                         0.0f, this));
    } else {
        return false;
    }
    DeleteSquare(square);
    return true;
}

void GameField::CheckBonusOrArtefactDown(bool runFall)
{
    UpdateKindMap();
    bool anyLeft = false;
    for (int x = 0; x < _width; ++x) {
        int y = 0;
        while (y < _height && _levelGrid.At(x, y) == 0)
            ++y;
        if (y >= _height)
            continue;
        const int kind = _kinds[x][y];
        if (!IsBonusKind(kind) && !IsArtefactKind(kind) && kind != kKindMusor)
            continue;
        SetBlocked(true, "GameField::CheckBonusOrArtefactDown");
        if (StartLeavingEffect(FindSquare(x, y)))
            anyLeft = true;
    }
    if (anyLeft && runFall)
        AddController(new FallingRunner(this, 3.0f, -80.0f));
}

// The bonuses fired by the mouse are in GameFieldEffects.cpp.
