// The mouse on the board: selecting a chip, swapping it with a neighbour by a
// second press or a drag, choosing and using the stock bonuses, charging the
// sun, the highlight under the pointer and the swinging ornaments.

#include "game/board/GameField.h"

#include "engine/platform/CustomCursor.h"
#include "engine/platform/InputState.h"
#include "engine/sound/SoundSystemImpl.h"
#include "game/board/CheckMatchRunner.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/SquareMover.h"
#include "game/board/effects/SwapBonusSquareMover.h"
#include "game/state/GameInfo.h"
#include "gui/StringTable.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The corner of the screen the board leaves to the widgets behind it.
constexpr int kCornerX = 701;
constexpr int kCornerY = 561;
// The charged sun takes presses this close to its centre.
constexpr int kSunReach = 45;

// A press may reach the board under a tip window once it is closing.
bool TipFree(const GameField& field)
{
    return !field._isShowMessage || field._closeTip;
}

bool NearSun(const GameField& field, const Point& p)
{
    const int dx = p.x - (field._sunPosition.x + 50);
    const int dy = p.y - (field._sunPosition.y + 50);
    return dx * dx + dy * dy <= kSunReach * kSunReach;
}

bool AreNeighbours(const Point& a, const Point& b)
{
    return std::abs(a.x - b.x) + std::abs(a.y - b.y) == 1;
}

// The pointer over the button's square, whatever its stock.
bool IsOver(const HoverRect& button, const Point& p)
{
    const float x = static_cast<float>(p.x);
    const float y = static_cast<float>(p.y);
    const float side = static_cast<float>(button.size);
    return x >= button.left && x < button.left + side && y >= button.top && y < button.top + side;
}

} // namespace

bool GameField::MouseDown(const Point& p)
{
    WriteTrace("MouseDown in GameField " + name);
    // The player's press ends the demo.
    if (_isDemo && !_canAcceptMouse) {
        NoteDemoInput();
        return true;
    }
    if (p.x >= kCornerX && p.y >= kCornerY)
        return false;
    // A press on the open tip box is the box's own (its check box must not
    // close the tip before its button reads it).
    const bool onTipBox = TipBoxTakes(p);
    if (_isShowMessage && _tipFade > 1.0f && !onTipBox) {
        _closeTip = true;
        _bonusPointer = false;
        _artefactPointer = false;
    }
    if (!_canAcceptMouse)
        return false;

    if (g_input.rightButton) {
        ClearSelection();
        if (_isSelected)
            Square::Deselect(FindSquare(_selectedCell.x, _selectedCell.y));
        _highlightSquare = nullptr;
        _isPressed = false;
        _isSelected = false;
        MouseMove(p);
        return true;
    }

    if (_stopTime) {
        if (_isBlocked || !TipFree(*this))
            return false;
        StartArtefactFlash();
        _stopTime = false;
    }

    if (TipFree(*this))
        PressBonusButtons(p);

    if (_selectedBonus < 0 && _sunComplete && NearSun(*this, p)) {
        // A press the busy board refuses arms nothing: the sun must not
        // fire on a later, unrelated release.
        if (_isBlocked || !TipFree(*this))
            return true;
        if (_isSelected)
            Square::Deselect(FindSquare(_selectedCell.x, _selectedCell.y));
        _isSelected = false;
        _sunCharging = true;
        return true;
    }

    Point cell;
    Square* square = PointToCell(p.x, p.y, cell) ? FindSquare(cell.x, cell.y) : nullptr;
    // A bonus is used only on a board at rest: a bomb must not strike the
    // squares of a running swap or fall.
    if ((_selectedBonus >= 0 || _sunCharging) && square) {
        if (!_isBlocked && !UseBonusOn(square, cell) && TipFree(*this))
            PressChip(p);
        return true;
    }
    if (_selectedBonus < 0 && !_isBlocked && TipFree(*this))
        PressChip(p);
    return true;
}

void GameField::PressBonusButtons(const Point& p)
{
    for (int i = 0; i < kBonusButtons; ++i) {
        HoverRect& button = _bonusButtons[i];
        const int stateBefore = button.state;
        if (!button.Test(p))
            continue;
        if (i == _selectedBonus) {
            ClearSelection();
            _selectedBonus = -1;
            MouseMove(p);
            continue;
        }
        if (_isBlocked && i == kSwapButton) {
            button.state = stateBefore;
            continue;
        }
        ClearSelection();
        _bonusChosenTime = _effectClock;
        _selectedBonus = i;
        struct Tip {
            int button;
            const char* hint;
            int text; // in _bonusTips
        };
        static const Tip kTips[] = {{kFlashButton, "FlashBonusTip", 3}, {kSwapButton, "SwapBonusTip", 0},
                                    {kBombButton, "BombBonusTip", 2}};
        for (const Tip& tip : kTips)
            if (tip.button == i && !gameInfo.IsHintShow(tip.hint))
                _tipSlot.Push(&_bonusTips[tip.text]);
        if (_isSelected)
            Square::Deselect(FindSquare(_selectedCell.x, _selectedCell.y));
        _isSelected = false;
    }
}

bool GameField::UseBonusOn(Square* square, const Point& cell)
{
    StopController("SquareLight");
    _highlightSquare = nullptr;
    const int bonus = _selectedBonus;
    Square* selected = _isSelected ? FindSquare(_selectedCell.x, _selectedCell.y) : nullptr;
    switch (bonus) {
    case kBombButton:
        DoBombBonus(cell.x, cell.y);
        break;
    case kSwapButton:
        if (!selected)
            return false;
        if (!DoSwapBonus(selected, square))
            return true;
        _isSelected = false;
        break;
    case kFlashButton:
        if (!IsSquareKind(square->kind))
            return true;
        gameInfo.ShowHint("FlashBonusTip");
        StopController("SquareLight");
        StopController("SimpleFrame");
        StartWonderBonus(cell.x, cell.y);
        break;
    default: // the time bonus fires on release; the sun alone uses no cell
        return false;
    }

    LevelInfo record = CurrentLevelInfo();
    record.usedBonus[bonus] += 1;
    StoreCurrentLevelInfo(record);
    HoverRect& button = _bonusButtons[bonus];
    button.count = std::max(button.count - 1, 0);
    gameInfo.setBonusCount(bonus, button.count);
    ClearSelection();
    _idleTime = 0.0f;
    return true;
}

void GameField::PressChip(const Point& p)
{
    StopController("SquareTipper");
    Point cell;
    const bool onBoard = PointToCell(p.x, p.y, cell);
    Square* square = onBoard ? FindSquare(cell.x, cell.y) : nullptr;

    if (!_isSelected) {
        if (onBoard)
            _selectedCell = cell;
        // Only a square can be pressed: never an empty cell.
        _isPressed = square != nullptr;
        if (!square)
            return;
        if (IsFixedKind(square->kind)) {
            _isPressed = false;
            Square::Deselect(square);
            return;
        }
        Square::Select(square);
        if (_selectedBonus == kSwapButton && square->kind >= 16) {
            // The swap moves plain tiles only: its choice ends, and the
            // board says why where the player pressed.
            ClearSelection();
            g_sound.PlaySample("ChipWrongMove");
            ShowScoreText(GetText("SwapPlainTilesOnly"), p, 0, true);
            return;
        }
        g_sound.PlaySample("ChipSelect");
        if (_selectedBonus == kSwapButton && !gameInfo.IsHintShow("SwapBonusTip"))
            _tipSlot.Push(&_bonusTips[1]);
        return;
    }

    Square* selected = FindSquare(_selectedCell.x, _selectedCell.y);
    const bool swap = square && selected && AreNeighbours(cell, _selectedCell) && !IsFixedKind(square->kind) &&
                      !IsFixedKind(selected->kind);
    if (swap) {
        _isPlayerMove = true;
        _isPressed = false;
        RunSwap(square, selected);
        Square::RestoreFrame(selected);
    } else {
        Square::Deselect(selected);
    }
    _isSelected = false;
}

void GameField::MouseUp(const Point& p)
{
    if (!_canAcceptMouse)
        return;
    if (_sunCharging && !_isBlocked && TipFree(*this)) {
        DoSunBonus();
        ActivePlayer().sunEnergy = 0.0f;
        StopController("SunBurner");
    }
    // The release ends the press on the sun, fired or not.
    _sunCharging = false;
    if (_selectedBonus == kTimeButton) {
        AddTimeBonus();
        HoverRect& button = _bonusButtons[kTimeButton];
        if (button.count > 0)
            button.state = HoverRect::kIdle;
        _selectedBonus = -1;
        _tipSlot.Clear();
    }
    Point cell;
    if (_isPressed && PointToCell(p.x, p.y, cell))
        _isSelected = true;
    _isPressed = false;
}

void GameField::MouseMove(const Point& p)
{
    HoverButtonsAndSun(p);
    SwingOrnaments(p);
    UpdateHover(p);
    DragChip(p);
}

void GameField::HoverButtonsAndSun(const Point& p)
{
    bool overButton = false;
    for (int i = 0; i < kBonusButtons; ++i) {
        HoverRect& button = _bonusButtons[i];
        const bool over = IsOver(button, p);
        if (over && button.count >= 1)
            overButton = true;
        if (i == kTimeButton && _selectedBonus == kTimeButton && !button.Test(p)) {
            _selectedBonus = -1;
            if (button.count > 0)
                button.state = HoverRect::kIdle;
        }
        if (button.count >= 1 && button.state != HoverRect::kChosen)
            button.state = over ? HoverRect::kHovered : HoverRect::kIdle;
    }
    if (overButton && g_cursor)
        g_cursor->SetActive();

    if ((_isBlocked || _isShowMessage) && _selectedBonus == kTimeButton) {
        _tipSlot.Clear();
        _bonusButtons[kTimeButton].state = HoverRect::kIdle;
        _selectedBonus = -1;
        _sunCharging = false;
    }
    if (!_isBlocked && TipFree(*this) && _sunComplete && NearSun(*this, p)) {
        if (!_isDemo && g_cursor)
            g_cursor->SetActive();
        if (g_input.buttonDown)
            _sunCharging = true;
    }
}

void GameField::SwingOrnaments(const Point& p)
{
    for (SwingPiece& piece : _swingPieces) {
        const int reach = piece.kind == 1 ? 60 : 45;
        const int distance = std::abs(p.x - piece.x);
        if (distance >= 20 || p.y < piece.y - reach || p.y > piece.y)
            continue;
        const int speed = std::min(std::abs(p.x - _lastPointer.x), piece.kind == 1 ? 10 : 5);
        if (std::abs(piece.speed) >= 5.0f)
            continue;
        const float push = static_cast<float>(40 - distance) * static_cast<float>(speed) * 0.0025f;
        if (p.x > _lastPointer.x)
            piece.speed += push;
        else if (p.x < _lastPointer.x)
            piece.speed -= push;
    }
    _lastPointer = p;
}

void GameField::UpdateHover(const Point& p)
{
    Point cell;
    Square* square = nullptr;
    if (!_isPressed && !_isBlocked && !_isShowMessage && PointToCell(p.x, p.y, cell) &&
        _levelGrid.IsCell(cell.x, cell.y))
        square = FindSquare(cell.x, cell.y);
    if (square && square != _highlightSquare) {
        _highlightStart = _effectClock;
        Square::PlayHighlight(square);
        _highlightClock = 0.0f;
    }
    _highlightSquare = square;
}

void GameField::DragChip(const Point& p)
{
    if (!_isPressed || _selectedBonus >= 0)
        return;
    Square* pressed = FindSquare(_selectedCell.x, _selectedCell.y);
    Point cell;
    if (!PointToCell(p.x, p.y, cell) || !_levelGrid.IsCell(cell.x, cell.y)) {
        Square::Deselect(pressed);
        _isPressed = false;
        return;
    }
    Square* target = AreNeighbours(cell, _selectedCell) ? FindSquare(cell.x, cell.y) : nullptr;
    if (!target || !pressed)
        return;
    if (IsFixedKind(target->kind)) {
        Square::Deselect(pressed);
        _isPressed = false;
        return;
    }
    // No swap starts while another move runs.
    if (_isBlocked)
        return;
    _isPressed = false;
    Square::RestoreFrame(pressed);
    if (TipFree(*this)) {
        _isPlayerMove = true;
        RunSwap(target, pressed);
    }
}

void GameField::RunSwap(Square* first, Square* second)
{
    const auto onBoard = [this](const Square* square) {
        return square && std::any_of(_squares.begin(), _squares.end(),
                                     [square](const std::unique_ptr<Square>& s) { return s.get() == square; });
    };
    if (first == second || !onBoard(first) || !onBoard(second))
        return;
    SetBlocked(true, "GameField::RunSwap");

    const Point a(first->x, first->y);
    const Point b(second->x, second->y);
    for (const MoveRecord& move : FindMoves()) {
        const Point m1(move.x1, move.y1);
        const Point m2(move.x2, move.y2);
        if ((m1 == a && m2 == b) || (m1 == b && m2 == a)) {
            StopController("SquareLight");
            StopController("SimpleFrame");
            break;
        }
    }

    // The second square is drawn on top.
    const auto second_it = std::find_if(_squares.begin(), _squares.end(),
                                        [second](const std::unique_ptr<Square>& s) { return s.get() == second; });
    _squares.splice(_squares.end(), _squares, second_it);

    _swapFirst = first;
    _swapSecond = second;

    first->StopBounce();
    second->StopBounce();
    const float speed = _isHelpMode ? 3.0f : 5.0f;
    const Vector3 from = first->position;
    const Vector3 to = second->position;
    AddController(new SquareMover(first, from, to, b, this, speed, 255.0f, 255.0f));
    AddController(new SquareMover(second, to, from, a, this, speed, 255.0f, 255.0f));
    AddController(new CheckMatchRunner(this, speed));

    if (IsArtefactKind(first->kind) || IsArtefactKind(second->kind))
        ActivePlayer().isArtefactSwapped = true;
}

bool GameField::DoSwapBonus(Square* first, Square* second)
{
    if (!first || !second)
        return false;
    if (first->kind == second->kind) {
        g_sound.PlaySample("ChipWrongMove");
        return false;
    }
    Square::Deselect(first);
    Square::Deselect(second);
    if (first->kind >= 16 || second->kind >= 16) {
        g_sound.PlaySample("ChipWrongMove");
        return false;
    }
    const Point a(first->x, first->y);
    const Point b(second->x, second->y);
    AddController(new SwapBonusSquareMover(first, b.x, b.y, this, 1.0f));
    AddController(new SwapBonusSquareMover(second, a.x, a.y, this, 1.0f));
    g_sound.PlaySample("FlyChipSwap");
    StopController("SquareLight");
    StopController("SimpleFrame");
    gameInfo.ShowHint("SwapBonusTip");
    return true;
}

void GameField::ClearSelection()
{
    _tipSlot.Clear();
    if (_selectedBonus >= 0 && _selectedBonus < kBonusButtons && _bonusButtons[_selectedBonus].count > 0)
        _bonusButtons[_selectedBonus].state = HoverRect::kIdle;
    _selectedBonus = -1;
    _sunCharging = false;
}
