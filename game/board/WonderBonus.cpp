#include "game/board/WonderBonus.h"

#include "engine/sound/SoundSystemImpl.h"
#include "engine/util/Random.h"
#include "game/board/FallingRunner.h"
#include "game/board/GameField.h"
#include "game/board/Square.h"
#include "game/board/SquareKinds.h"
#include "game/board/effects/Flash.h"
#include "game/state/Player.h"
#include "gui/effects/ParticleEffect.h"

#include <utility>

namespace {

constexpr int kShuffleExchanges = 20;

float NewInterval()
{
    return 0.05f + static_cast<float>(RandomInt()) * 3.0213325e-06f;
}

} // namespace

WonderBonus::WonderBonus(int x, int y, GameField* field) : FieldController("WonderBonus", field)
{
    g_sound.PlaySample("FlashStart");
    if (!_field)
        return;
    _field->SetBlocked(true, "WonderBonus::WonderBonus");
    _struck.emplace_back(x, y);
    const Square* chosen = _field->FindSquare(x, y);
    if (!chosen)
        return;
    const int colour = KindColour(chosen->kind);
    for (int cx = 0; cx < _field->_width; ++cx)
        for (int cy = 0; cy < _field->_height; ++cy) {
            if (cx == x && cy == y)
                continue;
            const Square* square = _field->FindSquare(cx, cy);
            if (square && IsSquareKind(square->kind) && KindColour(square->kind) == colour)
                _pending.emplace_back(cx, cy);
        }
    // A lone chip of its colour has nothing to shuffle.
    if (_pending.empty())
        return;
    const int count = static_cast<int>(_pending.size());
    for (int i = 0; i < kShuffleExchanges; ++i) {
        const int a = RandomInt() % count;
        const int b = RandomInt() % count;
        std::swap(_pending[static_cast<std::size_t>(a)], _pending[static_cast<std::size_t>(b)]);
    }
}

WonderBonus::~WonderBonus()
{
    if (!_field)
        return;
    _field->StopController("Flash");
    if (ActivePlayer().levelNotComp) {
        _field->_isPlayerMove = false;
        _field->AddController(new FallingRunner(_field, 5.0f, -80.0f));
    }
}

Point WonderBonus::CellCentre(const Point& cell) const
{
    const int half = _field->_cellSize / 2;
    return Point(_field->_originX + cell.x * _field->_cellSize + half,
                 _field->_originY + cell.y * _field->_cellSize + half);
}

void WonderBonus::Tremble()
{
    for (const Point& cell : _struck)
        if (Square* square = _field->FindSquare(cell.x, cell.y)) {
            const int r1 = RandomInt() % 3 - 1;
            const int r2 = RandomInt() % 3 - 1;
            square->position.x = static_cast<float>(cell.x * _field->_cellSize + r1);
            square->position.y = static_cast<float>(cell.y * _field->_cellSize + r2);
        }
}

void WonderBonus::StrikeNext()
{
    _time = 0.0f;
    _interval = NewInterval();
    const Point from = CellCentre(_struck[_struck.size() / 2]);
    const Point to = CellCentre(_pending.front());
    auto* flash = new Flash(from.x, from.y, to.x, to.y, 1.0f, _field);
    _flashes.push_back(Bolt{flash, flash->Token()});
    _field->AddController(flash);
    _struck.push_back(_pending.front());
    _pending.erase(_pending.begin());
}

void WonderBonus::DestroyNext()
{
    _time = 0.0f;
    _interval = NewInterval();
    const Point cell = _struck.front();
    if (_field->FindSquare(cell.x, cell.y)) {
        const float size = static_cast<float>(_field->_cellSize);
        _field->effects.Add("FlashExplode", static_cast<float>(_field->_originX) + size * static_cast<float>(cell.x) + 20.0f,
                              static_cast<float>(_field->_originY) + size * static_cast<float>(cell.y) + 20.0f);
        _field->DestroySquare(cell.x, cell.y, 0.0f, GameField::kDestroyShatter, 0, 0);
    }
    _struck.erase(_struck.begin());
    if (!_struck.empty() && !_flashes.empty()) {
        const Bolt bolt = _flashes.front();
        _flashes.pop_front();
        if (!bolt.alive.expired())
            bolt.flash->Stop();
    }
    g_sound.PlaySample("Boom");
}

void WonderBonus::Update(float dt)
{
    _time += dt;
    if (!_field || _time <= _interval)
        return;
    Tremble();
    if (!_pending.empty())
        StrikeNext();
    else if (!_struck.empty())
        DestroyNext();
}

bool WonderBonus::IsFinished()
{
    return _finished || (_time >= 0.3f && _pending.empty() && _struck.empty());
}
