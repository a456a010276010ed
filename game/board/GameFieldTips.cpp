// The tutorial tips, the tip window, the hint, the dead board's reshuffle
// and the artefact's collecting.

#include "game/board/GameField.h"

#include "engine/platform/HtmlLog.h"
#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/StringUtils.h"
#include "game/board/ArtefactCollecting.h"
#include "game/board/Reshuffle.h"
#include "game/board/ShowMessage.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/state/GameInfo.h"
#include "game/screens/MessageBox.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

// The tip windows' own places and the pointer tips' window offsets.
const Point kTimerTipPoint(537, 30);
const Point kNoMovesTextPoint(537, 300);
const Point kSunTipOffset(50, 101);
constexpr float kNoMovesTextValue = 0.4f;
constexpr float kFrameSeconds = 10.0f;
constexpr float kMinSunForTip = 0.02f;
constexpr int kPointerWindowX = 200;
constexpr int kArtefactPointerLimitX = 300;
constexpr int kBonusPointerLimitX = 400;

bool IsFirstLevel(int level, int stage)
{
    return level == 1 && stage == 1;
}

bool IsShown(const std::string& tipName)
{
    return ActivePlayer().IsHintShow(tipName);
}

// Opens the tip once per profile: the name joins the shown tips only when
// its window opens.
bool OpenTip(GameField& field, const std::string& tipName, const Point& at, bool placeNear, bool withPointer)
{
    field._tipShown = !IsShown(tipName) && field.ShowTipWindow(tipName, at, placeNear, withPointer);
    if (field._tipShown)
        ActivePlayer().ShowHint(tipName);
    return field._tipShown;
}

// The last artefact piece of the board, or null.
const Square* LastArtefactPiece(const GameField& field)
{
    const Square* found = nullptr;
    for (const std::unique_ptr<Square>& square : field._squares)
        if (IsArtefactKind(square->kind))
            found = square.get();
    return found;
}

// Level cells missing at the foot of the column.
int MissingAtFoot(const GameField& field, int x)
{
    int missing = 0;
    while (missing < LevelGrid::kSide && field._levelGrid.At(x, missing) == 0)
        ++missing;
    return missing;
}

// A tip with a pointer at the square: the pointer shows the spot above it and
// counts the rows it still has to fall; the window stands off the spot.
// limitX: beyond it the window goes to the spot's left.
bool OpenPointerTip(GameField& field, const std::string& tipName, const Square& target, int limitX)
{
    if (IsShown(tipName))
        return false;
    const int px = static_cast<int>(std::trunc((static_cast<float>(target.x) + 0.5f) *
                                                   static_cast<float>(field._cellSize) +
                                               static_cast<float>(field._originX)));
    const int py = (target.y - 1) * field._cellSize + field._originY;
    field._tipPosition = Point(px, py);
    const Point window(px > limitX ? px - kPointerWindowX : px + kPointerWindowX, py > 200 ? py - 50 : py + 150);
    field._tipShown = field.ShowTipWindow(tipName, window, false, true);
    if (!field._tipShown)
        return false;
    field._pointerRows = target.y - MissingAtFoot(field, target.x);
    field._pointerStep = 0;
    ActivePlayer().ShowHint(tipName);
    return true;
}

// A tip at an artefact piece: the artefact flashes and the pointer shows it.
void OpenArtefactPointerTip(GameField& field, const std::string& tipName)
{
    const Square* piece = LastArtefactPiece(field);
    if (!piece || !OpenPointerTip(field, tipName, *piece, kArtefactPointerLimitX))
        return;
    field.StartArtefactFlash();
    field._artefactPointer = true;
}

// ------------------------------------------------------------ the events

void TipFirstMatch(GameField& field, int)
{
    const Player& player = ActivePlayer();
    if (!IsFirstLevel(player.level, player.stage) || field._moveCount != 1)
        return;
    OpenArtefactPointerTip(field, "msg_2");
    // The first lesson is learnt with the second.
    if (field._tipShown)
        ActivePlayer().ShowHint("msg_1");
}

void TipPieceArrived(GameField& field, int)
{
    const Player& player = ActivePlayer();
    if (player.level == 2 && player.stage == 1 && field._artefactQueue.size() == 2)
        OpenArtefactPointerTip(field, "msg_4");
}

// A board square's point on the screen.
Point BoardPoint(const GameField& field, const Square& square)
{
    return Point(field._originX + static_cast<int>(square.position.x),
                 field._originY + static_cast<int>(square.position.y));
}

void TipWrongSwap(GameField& field, int)
{
    const Player& player = ActivePlayer();
    if (!IsFirstLevel(player.level, player.stage) || player.cycle != 1 || !field._swapFirst || !field._swapSecond)
        return;
    const Point a = BoardPoint(field, *field._swapFirst);
    const Point b = BoardPoint(field, *field._swapSecond);
    field._tipPosition = Point((a.x + b.x) / 2, (a.y + b.y) / 2);
    OpenTip(field, "msg_3", field._tipPosition, true, false);
}

// The tip that names a square's kind; empty for plain chips and artefact
// pieces (passed over), "?" for a bonus without a tip (ends the walk).
std::string SquareTipName(int kind)
{
    struct Range {
        int first;
        int last;
        const char* tip;
    };
    static const Range kRanges[] = {
        {0x10, 0x1F, "locked_chip"}, {0x20, 0x2F, "double_locked_chip"},
        {0x30, 0x3F, "stone"},       {0xA0, 0xAF, "ice"},
        {0xB0, 0xBF, "not_falling_locked_chip"}, {0xC0, 0xCF, "not_falling_double_locked_chip"},
        {0xD0, 0xD0, "thisIsMusor"}};
    for (const Range& range : kRanges)
        if (kind >= range.first && kind <= range.last)
            return range.tip;
    if (!IsBonusKind(kind))
        return "";
    static const char* const kBonusTips[16] = {"bonus_1", "bonus_2", "bonus_3", "bonus_4",   nullptr, nullptr,
                                               nullptr,   nullptr,   "bonus_5", "bonus_6",   "bonus_7", nullptr,
                                               "LifeBonus", nullptr, nullptr, nullptr};
    const char* tip = kBonusTips[kind & 0x0F];
    return tip ? tip : "?";
}

// The bonuses that must be brought down: the pointer shows their way.
bool IsBroughtDown(const std::string& tipName)
{
    return tipName == "bonus_1" || tipName == "bonus_2" || tipName == "bonus_3" || tipName == "bonus_4" ||
           tipName == "LifeBonus";
}

void TipSquare(GameField& field, int)
{
    const Square* target = nullptr;
    std::string tipName;
    for (const std::unique_ptr<Square>& square : field._squares) {
        const std::string name = SquareTipName(square->kind);
        if (name.empty() || IsShown(name))
            continue;
        if (name == "?")
            return;
        target = square.get();
        tipName = name;
        break;
    }
    if (!target)
        return;
    if (IsBroughtDown(tipName)) {
        if (OpenPointerTip(field, tipName, *target, kBonusPointerLimitX))
            field._bonusPointer = true;
        return;
    }
    const int x = static_cast<int>(std::trunc((static_cast<float>(target->x) + 0.5f) *
                                                  static_cast<float>(field._cellSize) +
                                              static_cast<float>(field._originX)));
    field._tipPosition = Point(x, (target->y + 1) * field._cellSize + field._originY);
    OpenTip(field, tipName, field._tipPosition, true, false);
}

void TipBonusArrived(GameField& field, int bonus)
{
    if (bonus < 0 || bonus >= GameField::kBonusButtons)
        return;
    const HoverRect& button = field._bonusButtons[bonus];
    const float cell = static_cast<float>(field._cellSize);
    field._tipPosition = Point(static_cast<int>(std::trunc(button.left + 0.5f * cell)),
                               static_cast<int>(std::trunc(button.top + 1.2f * cell)));
    OpenTip(field, "clickBonus_" + IntToString(bonus + 1), field._tipPosition, true, false);
}

void TipTimer(GameField& field, int)
{
    const Player& player = ActivePlayer();
    if (player.level < 4 || player.stage != 1)
        return;
    field._tipPosition = kTimerTipPoint;
    OpenTip(field, "thisIsTimer", field._tipPosition, true, false);
}

void TipArtefactSwap(GameField& field, int)
{
    const Player& player = ActivePlayer();
    if ((player.level < 3 && player.stage < 2) || player.isArtefactSwapped || IsShown("artefactSwap"))
        return;
    const std::list<MoveRecord> moves = field.FindMoves();
    const MoveRecord* chosen = nullptr;
    for (const MoveRecord& move : moves) {
        const Square* a = field.FindSquare(move.x1, move.y1);
        const Square* b = field.FindSquare(move.x2, move.y2);
        if (a && b && (IsArtefactKind(a->kind) || IsArtefactKind(b->kind)))
            chosen = &move;
    }
    if (!chosen)
        return;
    const MoveRecord move = *chosen;
    const int cell = field._cellSize;
    int x = 0;
    int row = 0;
    if (move.x1 == move.x2) {
        x = move.x1 * cell + cell / 2;
        row = std::max(move.y1, move.y2) + 1;
    } else {
        x = ((move.x1 + move.x2 + 1) * cell) / 2;
        row = move.y1 + 1;
    }
    field._tipPosition = Point(field._originX + x, field._originY + row * cell);
    if (OpenTip(field, "artefactSwap", field._tipPosition, true, false))
        field.ShowFrame(move.x1, move.y1, move.x2, move.y2, kFrameSeconds);
}

void TipSunEnergy(GameField& field, int)
{
    if (field._sunEnergy < kMinSunForTip || IsFirstLevel(field._level, field._stage))
        return;
    field._tipPosition = field._sunPosition + kSunTipOffset;
    OpenTip(field, "soYouCollectSun", field._tipPosition, true, false);
}

void TipSunComplete(GameField& field, int)
{
    if (!field._sunComplete || IsFirstLevel(field._level, field._stage))
        return;
    field._tipPosition = field._sunPosition + kSunTipOffset;
    OpenTip(field, "youTakeSun", field._tipPosition, true, false);
}

using TipEvent = void (*)(GameField&, int);
// By event number, from 1.
const TipEvent kTipEvents[] = {TipFirstMatch, TipPieceArrived, TipWrongSwap, TipSquare,    TipBonusArrived,
                               TipTimer,      TipArtefactSwap, TipSunEnergy, TipSunComplete};

} // namespace

// ------------------------------------------------------------------ tips

void GameField::ShowTip(int event, int argument)
{
    if (event < 1 || event > static_cast<int>(std::size(kTipEvents)))
        return;
    const Player& player = ActivePlayer();
    if (_endLevelRunning || _isShowMessage || _isHelpMode || _isDemo || player.levelTime >= player.timeToLevel)
        return;
    kTipEvents[event - 1](*this, argument);
}

bool GameField::ShowTipWindow(const std::string& tipName, const Point& at, bool placeNear, bool withPointer)
{
    const Player& player = ActivePlayer();
    if (player.levelTime >= player.timeToLevel || !player.hintsEnabled || !_tipsAllowed)
        return false;
    if ((_msg3Blocked && tipName == "msg_3") || _selectedBonus >= 0 || _isShowMessage)
        return false;
    const auto text = _messages.find(tipName);
    if (text == _messages.end() || text->second.lines.empty()) {
        // Said once a board: the tip is asked for again at every chance.
        if (_tipsWithoutText.insert(tipName).second)
            WriteLogLine("The tip \"" + tipName + "\" has no text in Messages.xml; it is not shown");
        return false;
    }
    g_sound.PlaySample("TipWindow");
    AddController(new ShowMessage(tipName, at.x, at.y, this, placeNear));
    _tipWithPointer = withPointer;
    return true;
}

bool GameField::TipBoxTakes(const Point& p) const
{
    const MessageBox* box = OpenTipBox();
    return box && box->HitTest(p);
}

// ------------------------------------------------------------------ hint

void GameField::ShowHint()
{
    if (_isHelpMode || _isDemo || _isShowMessage)
        return;
    const std::list<MoveRecord> moves = FindMoves();
    if (moves.empty()) {
        // Said in the log: a modal box would stall the frame loop.
        WriteLogLine("No moves. Reshuffle.");
        NoMoves("Reshuffle!");
        return;
    }

    // A horizontal move near the middle column wins over a vertical one.
    MoveRecord choice = moves.front();
    const int middle = _width / 2;
    for (const MoveRecord& move : moves)
        if (std::abs(move.x1 - middle) < std::abs(choice.x1 - middle) + 3 && choice.y1 != choice.y2 &&
            move.y1 == move.y2)
            choice = move;

    // No artefact swap is shown before its own tip has taught it (FindMoves
    // left the kind map up to date).
    const auto movesPiece = [this](const MoveRecord& m) {
        return IsArtefactKind(_kinds[m.x1][m.y1]) || IsArtefactKind(_kinds[m.x2][m.y2]);
    };
    if (movesPiece(choice) && !ActivePlayer().IsHintShow("artefactSwap")) {
        const auto plain = std::find_if(moves.begin(), moves.end(), [&](const MoveRecord& m) { return !movesPiece(m); });
        if (plain != moves.end())
            choice = *plain;
    }

    g_sound.PlaySample("Hint");
    ShowFrame(choice.x1, choice.y1, choice.x2, choice.y2, kFrameSeconds);

    const Player& player = ActivePlayer();
    if (IsFirstLevel(player.level, player.stage) && _moveCount == 0 && !player.IsHintShow("msg_1")) {
        _tipPosition = Point(((choice.x1 + choice.x2 + 1) * _cellSize) / 2 + _originX,
                             ((choice.y1 + choice.y2) * _cellSize) / 2 + _originY + _cellSize);
        OpenTip(*this, "msg_1", _tipPosition, true, false);
    }
    _idleTime = 0.0f;
}

// ------------------------------------------------------- no moves, reshuffle

void GameField::CheckNoMoves()
{
    if (ActivePlayer().levelNotComp && FindMoves().empty())
        NoMoves(_noMovesText);
}

void GameField::NoMoves(const std::string& reason)
{
    if (_reshuffleRunning)
        return;
    StopControllerEverywhere("SquareTipper");
    // The hint's frame points at a move the new deal takes away.
    StopControllerEverywhere("SquareLight");
    StopControllerEverywhere("SimpleFrame");
    ShowLetterText(reason, kNoMovesTextPoint, kNoMovesTextValue);
    g_sound.PlaySample("NoMoves");
    AddController(new Reshuffle(Reshuffle::kSpeed, 0, 0, this, Reshuffle::kDelay));
}

void GameField::PlanReshuffle()
{
    constexpr int kToFill = -2;
    for (int x = -1; x <= _width; ++x)
        for (int y = -1; y <= _height; ++y)
            _levelGrid.Set(x, y, _levelGrid.At(x, y) < 1 ? 0 : kToFill);
    for (const std::unique_ptr<Square>& square : _squares)
        _levelGrid.Set(square->x, square->y, 1);
    for (const std::unique_ptr<Square>& square : _squares) {
        const int kind = square->kind;
        if (kind >= kKindBonus && kind < kKindIce)
            _levelGrid.Set(square->x, square->y, kind);
        else if ((kind >= kKindLocked && kind < kKindBonus) || (kind >= kKindIce && kind <= kKindMusor))
            _levelGrid.Set(square->x, square->y, kind & 0xF0);
    }
    FillBoard();
    for (int x = -1; x <= _width; ++x)
        for (int y = -1; y <= _height; ++y)
            if (_levelGrid.At(x, y) == kToFill)
                _levelGrid.Set(x, y, 1);
}

// ------------------------------------------------------ artefact collecting

void GameField::StartArtefactCollecting()
{
    AddController(new ArtefactCollecting(this));
}
