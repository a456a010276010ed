#include "game/board/GameFieldObserver.h"

#include "game/board/ChipKnockClock.h"
#include "game/board/GameField.h"

#include <algorithm>
#include <list>

namespace {
// Every observer alive, oldest first.
std::list<GameFieldObserver*> g_observers;
} // namespace

GameFieldObserver::GameFieldObserver(GameField* field) : FieldController("GameFieldObserver", field)
{
    g_observers.push_back(this);
}

GameFieldObserver::~GameFieldObserver()
{
    g_observers.remove(this);
    if (_field && _field->_observer == this)
        _field->_observer = nullptr;
}

bool GameFieldObserver::MovesSharedClock() const
{
    const auto first = std::find_if(g_observers.begin(), g_observers.end(), [](const GameFieldObserver* o) {
        return !o->_paused && !o->_finished && o->Field();
    });
    return first != g_observers.end() && *first == this;
}

void GameFieldObserver::Update(float dt)
{
    if (dt == 0.0f || !_field)
        return;
    if (MovesSharedClock())
        ChipKnockClock::Advance(dt);
    // demohelp (begin)
    if (_field->StepHelp(dt) || _field->StepDemo(dt))
        return;
    // demohelp (end)
}
