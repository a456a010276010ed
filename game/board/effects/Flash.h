#pragma once

// One bolt of the flash bonus: a flickering strip of lightning between two
// screen points with a pulsing ball at each end. It runs until its bonus
// stops it. Bolts between coinciding points draw only their balls.

#include "game/board/effects/FieldEffect.h"

#include <memory>

class Sprite;

class Flash : public FieldEffect {
public:
    Flash(int x0, int y0, int x1, int y1, float speed, GameField* field);

    // The balls change size every twentieth of a second; the local time
    // stays.
    void Update(float dt) override;
    bool IsFinished() override { return _finished || _stopped; }
    void Draw() override;

    void Stop() override;
    // Direction of the bolt in degrees, 0 for coinciding points.
    float AngleDegrees() const;

    // Alive while the bolt is: its maker keeps a weak copy to stop it only
    // while it runs.
    std::weak_ptr<int> Token() const { return _token; }

    int _x0;
    int _y0;
    int _x1;
    int _y1;
    Sprite* _bolt;
    Sprite* _ball;
    float _length;
    float _timer = 0.0f;
    int _ballSize1 = 1;
    int _ballSize2 = 1;
    bool _stopped = false;

private:
    void DrawBolt();
    void DrawBall(int x, int y, int size);

    std::shared_ptr<int> _token = std::make_shared<int>(0);
};
