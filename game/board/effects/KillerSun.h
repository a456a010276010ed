#pragma once

// The charged sun fired: a ray leaves the sun for each target cell at a
// random moment within three seconds, bent through a random midpoint; when
// its head is halfway the chip shatters, the sun loses its share of energy,
// and the ray fades out. When every ray has gone the board falls into the
// holes.

#include "engine/util/Point.h"
#include "game/board/effects/FieldEffect.h"
#include "gui/effects/RayStrip.h"

#include <list>
#include <vector>

class Sprite;

class KillerSun : public FieldEffect {
public:
    struct Ray {
        float progress = 0.0f;
        float rate = 0.0f;  // per second
        float delay = 0.0f; // seconds before it leaves
        RayStrip strip;
        Point cell;
        bool destroyed = false;
        bool soundPending = true;
        float brightness = 80.0f;
    };

    KillerSun(const std::vector<Point>& targets, GameField* field);
    // The board falls; the strike is over.
    ~KillerSun() override;

    void Update(float dt) override;
    bool IsFinished() override { return _finished || _rays.empty(); }
    void Draw() override;

    // The bent midpoint of the ray from the sun point (sx, sy) to (x, y):
    // moved across the line by b (sideways when the line is upright).
    static void BendPoint(float sx, float sy, float x, float y, float b, float& mx, float& my);

    Sprite* _ball;
    Sprite* _energy;
    Sprite* _energy2;
    std::list<Ray> _rays;
    float _glow = 1.0f;
    float _sharePerChip = 0.0f;

private:
    void Strike(Ray& ray);
};
