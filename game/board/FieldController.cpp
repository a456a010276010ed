#include "game/board/FieldController.h"

#include "game/board/GameField.h"

FieldController::FieldController(const std::string& ownName, GameField* field)
    : IController(field ? field->ControllerName(ownName) : ownName)
    , _field(field)
    , _ownName(ownName)
{
}

void FieldController::OnWidgetDeleted(const Widget* widget)
{
    if (!_field || widget != static_cast<const Widget*>(_field))
        return;
    OnFieldGone();
    _field = nullptr;
    _finished = true;
}
