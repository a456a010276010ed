#pragma once

// Plays the statistics page: steps its text every frame and, once the text
// has played in, enables the page's "Ok" button. It never ends by itself;
// it runs as long as its page. The newest one is published for whoever
// needs the page's clock.

#include "gui/controllers/IController.h"

class GameStatistics;

class StatisticsController : public IController {
public:
    explicit StatisticsController(GameStatistics* page);
    ~StatisticsController() override;

    void Update(float dt) override;
    bool IsFinished() override { return false; }
    void OnWidgetDeleted(const Widget* widget) override;

    // The published controller, or null.
    static StatisticsController* Published() { return s_published; }

    GameStatistics* _page;
    float time = 0.0f;
    bool done = false;

private:
    static StatisticsController* s_published;
};
