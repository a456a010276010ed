#include "tests/support/BoundScriptState.h"

#include "engine/script/ScriptHost.h"
#include "gui/script_api/ScriptBindings.h"

namespace testing_support {

void OpenBoundScriptState()
{
    static bool registered = false;
    OpenScriptState();
    if (!registered) {
        RegisterScriptBindings(g_luaState);
        registered = true;
    }
}

} // namespace testing_support
