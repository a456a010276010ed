#include "game/board/ArtefactFlash.h"

#include "engine/util/Random.h"
#include "game/board/GameField.h"
#include "game/board/SquareKinds.h"

ArtefactFlash::ArtefactFlash(GameField* field, int piece) : FieldController("ArtefactFlash", field), _piece(piece)
{
    _time = static_cast<float>(RandomInt()) * 2.7436141e-05f - 1.7f;
    _rate = 0.5f + static_cast<float>(RandomInt()) * 9.125035e-06f;
    SetCurveKeys(_glow, {kRestGlow, 7.0f, kRestGlow});
}

ArtefactFlash::~ArtefactFlash()
{
    SetGlow(_glow.getGlobalFrame(1.0f));
}

void ArtefactFlash::SetGlow(float value)
{
    if (_field && _piece >= 0 && _piece < kArtefactPieces)
        _field->_pieceGlow[_piece] = value;
}

void ArtefactFlash::Update(float dt)
{
    const float step = _time >= 0.0f ? dt * _rate : dt;
    _time += step;
    if (_time >= 0.0f)
        SetGlow(_glow.getGlobalFrame(_time));
}
