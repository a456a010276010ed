#include "game/board/RunStart.h"

#include "game/board/GameField.h"
#include "gui/Message.h"

RunStart::RunStart(GameField* field) : FieldController("RunStart", field) {}

RunStart::~RunStart()
{
    if (!_field || !_ranItsTime || _stopped)
        return;
    GameField* field = _field;
    field->AcceptMessage(Message("InitLevelView"));
    field->AcceptMessage(Message("Start"));
    field->AcceptMessage(Message("SetActive", 1));
}

void RunStart::Update(float dt)
{
    _time += dt;
}

bool RunStart::IsFinished()
{
    if (_time >= kDelay && !_finished && !_stopped)
        _ranItsTime = true;
    return _finished || _time >= kDelay;
}

void RunStart::Stop()
{
    _stopped = true;
    FieldController::Stop();
}
