#pragma once

// An artefact piece that reached the bottom of the board flies to its place
// in the stage's artefact picture with its flame and a glow (the flight),
// then settles there with one bounce of its glow (the arrival). At the end
// of the flight the piece joins the pieces in place.

#include "game/board/effects/FlyingMover.h"

struct ArtefactElement;

class ArtefactMover : public FlyingMover {
public:
    enum Phase { kFlying = 1, kArrived = 2 };

    // Screen points of the start and of the piece's place; the piece's kind;
    // the leaving square's glow phase and rate.
    ArtefactMover(const Vector3& start, const Vector3& end, int kind, GameField* field, float flashPhase,
                  float flashRate);
    ~ArtefactMover() override;

    void Update(float dt) override;
    // Two runs of the local time: the flight, then the arrival.
    bool IsFinished() override;
    void Draw() override;

    // The piece's number: kind - 0x50.
    int Piece() const;
    // The record of a piece of the board's stage's artefact, or null when
    // the catalogue has no such artefact or piece.
    static const ArtefactElement* StagePiece(const GameField& field, int piece);

    int _kind;
    int _phase = kFlying;
    float _flashPhase;
    float _flashRate;
};
