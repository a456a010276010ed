#pragma once

// The process's one Lua state, opened when needed, with the game's script
// API registered in it once (each name may be registered only once).

namespace testing_support {

void OpenBoundScriptState();

} // namespace testing_support
