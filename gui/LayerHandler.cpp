#include "gui/LayerHandler.h"

#include "gui/Message.h"
#include "gui/script_api/MessageBindings.h"

void LayerHandler::HandleMessage(const Message&) {}

void ScriptHandler::HandleMessage(const Message& message)
{
    CallScriptFunctionWithMessage(functionName, message);
}
