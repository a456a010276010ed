#include "engine/backend/Process.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>

extern char** environ;

namespace backend {

InstanceLock AcquireInstanceLock(const std::string& lockFile)
{
    InstanceLock lock;
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        lock.error = errno;
        return lock;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        lock.error = errno;
        ::close(fd);
        lock.state = lock.error == EWOULDBLOCK ? InstanceLock::State::HeldElsewhere : InstanceLock::State::Failed;
        return lock;
    }
    lock.state = InstanceLock::State::Taken;
    lock.descriptor = fd;
    return lock;
}

std::string UserDataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/')
        return xdg;
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] == '/')
        home = h;
    else if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
        home = pw->pw_dir;
    if (home.empty() || home == "/")
        return std::string();
    return home + "/.local/share";
}

namespace {

bool Spawn(const std::string& program, const std::vector<std::string>& arguments, pid_t& pid)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return ::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) == 0;
}

} // namespace

namespace {

ProgramStarter& Starter()
{
    static ProgramStarter starter;
    return starter;
}

} // namespace

void SetProgramStarter(ProgramStarter starter)
{
    Starter() = std::move(starter);
}

bool RunAndWait(const std::string& program, const std::vector<std::string>& arguments)
{
    if (Starter())
        return Starter()(program, arguments);
    pid_t pid = 0;
    if (!Spawn(program, arguments, pid))
        return false;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) != 127;
}

bool OpenWithShell(const std::string& target)
{
    if (Starter())
        return Starter()("xdg-open", {target});
    pid_t pid = 0;
    if (!Spawn("xdg-open", {target}, pid))
        return false;
    // Reap it without waiting for the document's program to end.
    ::waitpid(pid, nullptr, WNOHANG);
    return true;
}

} // namespace backend
