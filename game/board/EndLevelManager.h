#pragma once

// Runs the end of one level on its board: blocks the board, counts the time
// left into the score with a ticking sound, shows the level-complete letters
// or the lost-life text and takes the life, then puts up the statistics page
// (a complete level) or, when it goes, the lost-life or game-over page. Its
// destructor writes the lost level back into the profile and pushes those
// pages; stopped before its end (the board's reset) it writes the profile
// but leaves the screen alone.

#include "game/board/FieldController.h"

#include <string>

class Widget;

class EndLevelManager : public FieldController {
public:
    // Five points per whole second left.
    static constexpr int kPointsPerSecond = 5;
    // The count-up runs at least this long unless a click skips it.
    static constexpr float kCountUpTime = 5.5f;
    static constexpr float kCountUpStart = 0.1f;
    // A lost level waits this long after the count-up.
    static constexpr float kLostWait = 3.5f;
    // The timer bar's share of the level time filled per second.
    static constexpr float kBarFillRate = 0.158125f;
    // A press inside this top-right corner (window points, y downward) does
    // not skip the count-up.
    static constexpr int kCornerLeft = 712;
    static constexpr int kCornerBottom = 33;

    EndLevelManager(GameField* field, bool lost);
    ~EndLevelManager() override;

    void Update(float dt) override;
    bool IsFinished() override;

    // The difficulty tag of a level finished with that share of its time
    // left: " [EASY]" at 0.6 and above, " [HARD]" at 0.2 and below.
    static std::string DifficultyTag(float ratio);
    // The share of the level's time left; 0 for a level without time.
    static float TimeLeftRatio(float timeToLevel, float levelTime);

    bool _created = false;
    bool _scoreCommitted = false;
    bool _resultShown = false;
    bool _waitDone = false;
    bool _updated = false;
    bool _countDone = false;
    float _stageStart = 0.0f;
    int _startScore = 0;
    int _finalScore = 0;
    float _secondsLeft = 0.0f;
    bool _lost = false;

private:
    void PrepareLostLifePages();
    void StartLevelCompleteLetters();
    void StartLostLife();
    void StartTimeBonus();
    void CountUp(float dt);
    void ShowStatistics();
    bool SkipPressed() const;
    // The lost level's profile put back as it was at the level's load.
    void RestoreLostLevel();
    void ShowLostLifePage(const std::string& pageLayer);
    bool AtFrontier() const;
};

// The widget of that name in the layer; null, with a log line, when either
// is missing.
Widget* FindPageWidget(const std::string& layerName, const std::string& widgetName);
