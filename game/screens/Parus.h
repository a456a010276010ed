#pragma once

// The sail scene (layer files name it "Parus"): a sail of 8 x 8 quads
// billowing under a travelling wave, over water of four scrolling layers,
// with drifting clouds, two swaying groups of ropes and two bands framing
// the view. Two wind curves move the ropes; six sway curves move the water.
// Its ParusController keeps it moving for as long as it lives.

#include "engine/util/SplinePath.h"
#include "game/screens/WindCurve.h"
#include "gui/Widget.h"

#include <vector>

class ParusController;
class Sprite;
class TiXmlElement;

class Parus : public Widget {
public:
    static constexpr int kGrid = 8;
    static constexpr int kClouds = 8;
    static constexpr int kSwayCurves = 6;
    // Clouds move this many times their speed a second: their pace at 60
    // frames a second, whatever the frame rate.
    static constexpr float kCloudPace = 60.0f;

    struct Cloud {
        float x = 0.0f;
        float y = 0.0f;
        float speed = 0.0f;
    };

    // A corner of the sail's grid as drawn at the scene's time.
    struct SailPoint {
        float x = 0.0f;
        float y = 0.0f;
        float u = 0.0f;
        float v = 0.0f;
        Color colour;
    };

    // The pictures (with their address modes), the controller, the clouds,
    // then the curves; the element is not read.
    Parus(const std::string& widgetName, const TiXmlElement* element);
    // Its controller stops with it.
    ~Parus() override;

    void Draw() override;
    // The wind curves, then the clouds.
    void Update(float dt);

    // Grid point (i, j), i and j from 0 to 8.
    SailPoint GridPoint(int i, int j) const;

    float t = 0.0f;
    WindCurve windA;
    WindCurve windB;
    SplinePath<float> sway[kSwayCurves];
    std::vector<Cloud> clouds;
    Sprite* _sail = nullptr;
    Sprite* _ropes = nullptr;
    Sprite* _bands = nullptr;
    Sprite* _cloud = nullptr;
    Sprite* _water = nullptr;

private:
    void DrawWater();
    void DrawClouds();
    void DrawRopes();
    void DrawSail();
};

Widget* CreateParus(const TiXmlElement* element);
