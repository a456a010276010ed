#pragma once

// The world map's clock and its running light. Every frame it advances the
// map's times (the corner tip, the text queue, the water, the hover, the
// waves, the badge pulse); then it waits a moment, lets a light run along
// the waypoints (over the whole map, or over the player's country from the
// player's level on), waits again, and so on for as long as the map lives.
// It runs only while the map's layer is the current one.

#include "game/screens/MapProcess.h"
#include "gui/effects/EffectHandle.h"

class MapLight : public MapProcess {
public:
    enum State { kWholeMap = 0, kOneCountry = 1, kWaiting = 2 };

    // Draws the waiting rate (0.1 to 0.298).
    MapLight(float speed, Map* map);

    void Update(float dt) override;
    // Never true: at the end of a walk or a wait it switches to the other
    // one and starts again.
    bool IsFinished() override;

    // The light effect moved off the map, stopped and forgotten.
    void StopLight();

    float _speed;
    std::string _lastLayer = "None";
    int _state = kWaiting;
    EffectHandle _light;
    int _lightStage = 1; // from 1
    int _lightLevel = 1; // from 1
    float _rate = 0.1f;

private:
    void AdvanceClocks(float dt, bool onMap);
    void Walk();
};
