#pragma once

// One square falling into its cell: after its delay it leaves the start
// point at the start speed, falls under gravity to the target point, fades
// towards its target alpha and bounces once (or hands the bounce over to the
// square). While any fall runs the board stays blocked; the last fall to end
// lets the board go on (falls again, checks for lines, or unblocks).

#include "engine/util/Vector3.h"
#include "game/board/FieldController.h"

class SquareFall : public FieldController {
public:
    static constexpr float kGravity = 800.0f;  // points per second squared
    static constexpr float kAlphaRate = 512.0f; // alpha per second

    // startSpeed is the start-speed argument s: the square leaves at -s
    // points per second downward. A stone stays on its target point.
    SquareFall(Square* square, int targetX, int targetY, const Vector3& start, const Vector3& target,
               GameField* field, float startAlpha, float targetAlpha, float delay, float startSpeed,
               bool handOver);
    // The square takes its cell, height and alpha; the board counts the fall
    // out and goes on when it was the last.
    ~SquareFall() override;

    void Update(float dt) override;
    bool IsFinished() override;
    void OnSquareLeaving(const Square* square) override;

    // Landing time, bounce and rate from the height and the start speed
    // (again after the fall's timing is changed).
    void ComputeTiming();

    Square* _square;
    float _columnX;
    Vector3 _start;
    Vector3 _target;
    int _targetX;
    int _targetY;
    float _alpha;
    float _targetAlpha;
    float _t;             // progress; negative while waiting
    float _gravity = kGravity;
    float _speed;         // start speed, downward
    float _landing = 0.0f; // progress at landing
    float _bounce = 0.0f;  // bounce speed (negative: upward)
    float _bounceTime = 0.0f;
    float _rate = 0.0f;    // progress per second
    bool _handOver;
    bool _halveBounce = false;
    bool _playKnock = false;
    bool _landed = false;
    // No height and no speed: nothing to time; it lands when its wait ends.
    bool _instant = false;

protected:
    void OnFieldGone() override { _square = nullptr; }

private:
    // A bonus, artefact piece or musor that landed in the lowest level cell
    // of its column leaves the board by its effect; true when it left.
    bool LeaveAtBottom();
};
