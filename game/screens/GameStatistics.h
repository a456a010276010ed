#pragma once

// The level statistics page (layer files name it "GameStatistics"): what the
// level brought (tiles, time, time bonus, matches, score, pieces) and one of
// the wise tips, as a text with effects that plays in. The layer's "Ok"
// button is enabled only once the text has played, or once the player skips
// it. "Start" fills and plays the page, "Finish" skips the play-in.

#include "game/state/GameInfo.h"
#include "gui/Widget.h"
#include "gui/effects/TextWithEffects.h"

#include <string>

class StatisticsController;
class TiXmlElement;

// The time text of a level time: " 0m:ss" below ten minutes, " m:ss" from
// there on (a negative time counts as 0).
std::string FormatLevelTime(float seconds);

class GameStatistics : public Widget {
public:
    static constexpr int kTipLines = 6;

    // Reads the page from TextWithEffects.xml, shown at once without playing,
    // and starts its controller.
    GameStatistics(const std::string& widgetName, const TiXmlElement* element, GameInfo& info = gameInfo);
    ~GameStatistics() override;

    void Draw() override;
    void AcceptMessage(const Message& message) override;

    // Fills the page from the active player's record and plays it from the start.
    void Start();
    // Skips the play-in (not within its first 0.3 seconds).
    void Finish();
    // Enables or disables the "Ok" button of the layer "Statistics".
    void EnableOk(bool enabled);

    StatisticsController* Controller() const { return _controller; }
    // The controller is going away (the manager deletes what is stopped).
    void ForgetController(const StatisticsController* controller);

    TextWithEffects _text;

private:
    void FillTip(int tipNumber);
    void SetValue(const std::string& stringName, const std::string& value, bool withHeight);

    GameInfo& _info;
    StatisticsController* _controller = nullptr;
};
