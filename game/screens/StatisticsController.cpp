#include "game/screens/StatisticsController.h"

#include "game/screens/GameStatistics.h"

StatisticsController* StatisticsController::s_published = nullptr;

StatisticsController::StatisticsController(GameStatistics* page)
    : _page(page)
{
    s_published = this;
}

StatisticsController::~StatisticsController()
{
    if (_page)
        _page->ForgetController(this);
    if (s_published == this)
        s_published = nullptr;
}

void StatisticsController::Update(float dt)
{
    if (!_page)
        return;
    _page->_text.Update(dt);
    if (done)
        return;
    time += dt;
    if (_page->_text.AllFinished()) {
        done = true;
        _page->EnableOk(true);
    }
}

void StatisticsController::OnWidgetDeleted(const Widget* widget)
{
    if (!widget || widget != static_cast<const Widget*>(_page))
        return;
    _page = nullptr;
    _finished = true;
}
