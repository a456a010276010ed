#pragma once

// Process services of the platform: the single-instance lock, the user's data
// folder, starting programs and opening documents.

#include <functional>
#include <string>
#include <vector>

namespace backend {

// The single-instance lock: taken (its descriptor stays open for the life
// of the process), held by another process, or not to be had at all (the
// file cannot be opened or locked: errno in error).
struct InstanceLock {
    enum class State { Taken, HeldElsewhere, Failed };
    State state = State::Failed;
    int descriptor = -1;
    int error = 0;
};

// Takes an exclusive lock on the file, created when missing.
InstanceLock AcquireInstanceLock(const std::string& lockFile);

// $XDG_DATA_HOME, else ~/.local/share of the user; empty when neither exists.
std::string UserDataFolder();

// Runs the program with the arguments and waits for it. True when it started
// and ended normally (whatever its exit code).
bool RunAndWait(const std::string& program, const std::vector<std::string>& arguments);

// Opens a document or address with the desktop's handler ("xdg-open"), the
// target passed as one argument; does not wait.
bool OpenWithShell(const std::string& target);

// Where RunAndWait and OpenWithShell start their programs. Tests install a
// stand-in that records each start (the program and its arguments as they
// would reach it) and answers whether it started; the program then runs
// nothing. An empty function puts the real spawning back.
using ProgramStarter = std::function<bool(const std::string& program, const std::vector<std::string>& arguments)>;
void SetProgramStarter(ProgramStarter starter);

} // namespace backend
