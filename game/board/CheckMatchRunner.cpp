#include "game/board/CheckMatchRunner.h"

#include "game/board/GameField.h"

CheckMatchRunner::CheckMatchRunner(GameField* field, float speed)
    : FieldController("CheckMatchRunner", field)
    , _speed(speed)
{
}

bool CheckMatchRunner::IsFinished()
{
    if (_finished)
        return true;
    if (_time < 1.0f)
        return false;
    if (_field)
        _field->CheckMatch3(false, false, true);
    return true;
}
