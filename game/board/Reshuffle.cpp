#include "game/board/Reshuffle.h"

#include "engine/platform/HtmlLog.h"
#include "engine/util/Random.h"
#include "engine/util/StringUtils.h"
#include "game/board/ArtefactFlash.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr float kPi = 3.14159f;

bool InGrid(int x, int y)
{
    return x >= 0 && y >= 0 && x < LevelGrid::kSide && y < LevelGrid::kSide;
}

} // namespace

Reshuffle::Reshuffle(float speed, int cx, int cy, GameField* field, float delay)
    : FieldController("Reshuffle", field)
    , _speed(speed)
{
    _time = -delay;
    field->SetBlocked(true, "Reshuffle::Reshuffle");
    field->_reshuffleRunning = true;

    // The old kinds, then the new deal.
    field->UpdateKindMap();
    for (int x = 0; x < kSide; ++x)
        std::copy(field->_kinds[x], field->_kinds[x] + kSide, _kinds[x]);
    field->PlanReshuffle();
    // A deal the bounded fill left without a move is not dealt again at the
    // end: another reshuffle would find none either, and keep the board
    // blocked for good.
    _dealHasMove = !field->FindMoves().empty();
    if (!_dealHasMove)
        LogError("GameField", "The reshuffle of the board \"" + field->name +
                                         "\" found no move; the board stays as dealt");

    // Each new square shows its cell's old kind until the wave reaches it.
    for (const std::unique_ptr<Square>& square : field->_squares) {
        const int x = square->x;
        const int y = square->y;
        if (!InGrid(x, y))
            continue;
        const int newKind = square->kind;
        square->kind = _kinds[x][y];
        square->StartChipAnim();
        _kinds[x][y] = newKind;
    }
    for (const std::unique_ptr<Square>& square : field->_squares) {
        const int x = square->x;
        const int y = square->y;
        if (!InGrid(x, y))
            continue;
        const float distance = std::sqrt(static_cast<float>((x - cx) * (x - cx) + (y - cy) * (y - cy)));
        _fade[x][y] = static_cast<float>(-(kPerCell * static_cast<int>(distance)) - RandomInt() % kLagRange);
    }
}

Reshuffle::~Reshuffle()
{
    if (!_field)
        return;
    _field->_reshuffleRunning = false;
    _field->SetBlocked(false, "Reshuffle::~Reshuffle");
    if (!_stopped && _dealHasMove)
        _field->CheckNoMoves();
}

void Reshuffle::Stop()
{
    _stopped = true;
    FieldController::Stop();
}

void Reshuffle::Update(float dt)
{
    if (!_field)
        return;
    _time += dt;
    if (_time < 0.0f)
        return;

    GameField& field = *_field;
    const float glow = _phase >= kPi ? ArtefactFlash::kRestGlow : 2.0f * (std::sin(_phase) + 1.0f);
    std::fill(std::begin(field._pieceGlow), std::end(field._pieceGlow), glow);

    _done = true;
    _phase += 2.0f * dt;
    for (const std::unique_ptr<Square>& square : field._squares) {
        const int x = square->x;
        const int y = square->y;
        if (!InGrid(x, y))
            continue;
        float& fade = _fade[x][y];
        if (fade < kFull)
            _done = false;
        fade += dt * _speed;
        if (fade >= kChangeAt && !_changed[x][y]) {
            _changed[x][y] = true;
            square->kind = _kinds[x][y];
            square->StartChipAnim();
        }
        field._cellFade[x][y] = static_cast<int>(std::clamp(fade, 0.0f, kFull));
    }
}
