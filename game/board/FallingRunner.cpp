#include "game/board/FallingRunner.h"

#include "engine/sound/SoundSystemImpl.h"
#include "game/board/GameField.h"

FallingRunner::FallingRunner(GameField* field, float speed, float fallArgument)
    : FieldController("FallingRunner", field)
    , _speed(speed)
    , _fallArgument(fallArgument)
{
}

bool FallingRunner::IsFinished()
{
    if (_finished)
        return true;
    if (_time < 1.0f)
        return false;
    g_sound.PlaySample("ChipFall");
    if (_field)
        _field->RunFalling(_fallArgument, 0.02f, 0.02f);
    return true;
}
