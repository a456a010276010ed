#pragma once

// A fuzz target: one file format of the game, fed to the loader the game
// itself calls. Each target file registers one FuzzTarget object. Two mains
// drive the targets: the replay main runs a named target over its corpus (the
// regression run of the test command), and the libFuzzer main, linked into a
// program with exactly one target, hands it libFuzzer's inputs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

using FuzzFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    FuzzTarget(const char* targetName, FuzzFunction function);

    const char* name;
    FuzzFunction run;
};

// Every target linked into the program, in registration order.
const std::vector<const FuzzTarget*>& Targets();
const FuzzTarget* FindTarget(const std::string& name);

// Once per process: headless SDL and OpenAL, a fresh XDG_DATA_HOME, the C
// locale, an empty work folder made current and the log off.
void PrepareEnvironment();

// The folder current while the targets run.
const std::string& WorkDir();

// Writes the input bytes as the named file of the work folder.
void WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size);

// The path of a shipped file of the source tree's data folder.
std::string ShippedDataPath(const std::string& name);

// A hidden window with the render device on it, opened on the first call.
void OpenGlOnce();
// The Lua state with the game's script API, opened on the first call.
void OpenScriptOnce();

} // namespace fuzz
