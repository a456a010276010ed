#include "game/screens/HistoryController.h"

#include "game/screens/BookState.h"
#include "game/screens/CompleteScreen.h"
#include "game/screens/History.h"

HistoryController::HistoryController(History* history) : _history(history)
{
    for (ColorDrift& light : _lights)
        light.Start();
}

HistoryController::~HistoryController()
{
    if (Books().historyController == this)
        Books().historyController = nullptr;
}

void HistoryController::Update(float dt)
{
    BookState& books = Books();
    if (!_history || !books.booksShown)
        return;
    if (books.historyIsShown)
        _history->CurrentPage().Update(dt);
    else if (books.completeScreen)
        books.completeScreen->CurrentPage().Update(dt);
    for (SwimmingFish& fish : books.fish)
        fish.Update(dt);
    for (ColorDrift& light : _lights)
        light.Advance(dt);
    _blink += dt;
    if (_blink >= 1.0f)
        _blink -= 1.0f;
}

void HistoryController::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _history)
        _history = nullptr;
}
