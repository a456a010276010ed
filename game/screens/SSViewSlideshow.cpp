#include "game/screens/SSViewSlideshow.h"

#include "game/screens/SSView.h"

SSViewSlideshow::SSViewSlideshow(SSView* view)
    : _view(view)
{
    if (_view)
        _view->slideshow = this;
}

SSViewSlideshow::~SSViewSlideshow()
{
    Forget();
}

void SSViewSlideshow::Update(float dt)
{
    if (!_view)
        return;
    _time += 0.2f * dt;
    if (_time >= 1.0f) {
        _time = 0.0f;
        _view->current = (_view->current + 1) % SSView::kShots;
        _view->next = (_view->current + 1) % SSView::kShots;
    }
}

void SSViewSlideshow::OnWidgetDeleted(const Widget* widget)
{
    if (widget && widget == _view)
        Forget();
}

void SSViewSlideshow::Forget()
{
    if (_view && _view->slideshow == this)
        _view->slideshow = nullptr;
    _view = nullptr;
    _finished = true;
}
