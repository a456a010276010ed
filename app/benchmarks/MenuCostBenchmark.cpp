// The CPU the still main menu costs per second of wall time (the goal: under
// 0.6 of one core on a software renderer). The built game runs in the
// bundled game folder under the display driver of the environment (the
// offscreen one when none is set), with a fresh save folder and no sound
// device. Once the title splash has started the menu music and the menu has
// had time to come up, the process's CPU time is read over the measured
// seconds; after SIGTERM, its peak memory and how long it took to end.
// VELMORA_BINARY and VELMORA_GAME_DIR name another build's program and game
// folder to measure instead of this build's.
//
//   menu_benchmarks                 offscreen
//   xvfb-run -a -s "-screen 0 1024x768x24" env SDL_VIDEODRIVER=x11 menu_benchmarks

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The menu music starts on the title splash; the menu follows it after the
// splash's delay and a fade.
const char* const kMenuMusicLine = "Track started: menu";
const auto kMenuComesUp = std::chrono::seconds(8);
const auto kStartLimit = std::chrono::seconds(180);

struct MenuRun {
    std::string error;
    double cpuPerWallSecond = 0.0;
    double peakMegabytes = 0.0;
    double shutdownMilliseconds = 0.0;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// User and system time of a running process, in seconds; negative once it
// has gone.
double CpuSeconds(pid_t pid)
{
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    // The name in parentheses may hold spaces: fields are counted after it.
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return -1.0;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long long user = 0, system = 0;
    // State is field 3; utime and stime are fields 14 and 15.
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            user = std::stoull(field);
        else if (i == 15)
            system = std::stoull(field);
    }
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool StillRunning(pid_t pid)
{
    return kill(pid, 0) == 0 && ReadFile("/proc/" + std::to_string(pid) + "/stat").find(") Z") == std::string::npos;
}

std::string FromEnvironment(const char* name, const char* otherwise)
{
    const char* value = std::getenv(name);
    return value && *value ? value : otherwise;
}

pid_t StartGame(const std::string& dataHome)
{
    const std::string program = FromEnvironment("VELMORA_BINARY", VELMORA_BINARY);
    const std::string folder = FromEnvironment("VELMORA_GAME_DIR", VELMORA_GAME_DIR) + "/data";
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (chdir(folder.c_str()) != 0)
        _exit(97);
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "null", 1);
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 1);
    dup2(quiet, 2);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(98);
}

MenuRun RunStillMainMenu(std::chrono::seconds measured)
{
    MenuRun run;
    char dataHome[] = "/tmp/velmora-menu-XXXXXX";
    if (!mkdtemp(dataHome)) {
        run.error = "no temporary folder";
        return run;
    }
    const std::string log = std::string(dataHome) + "/Tovarin Entertainment/Velmora Ascendant/log.htm";
    const pid_t pid = StartGame(dataHome);

    const auto limit = Clock::now() + kStartLimit;
    while (Clock::now() < limit && StillRunning(pid) && ReadFile(log).find(kMenuMusicLine) == std::string::npos)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (ReadFile(log).find(kMenuMusicLine) == std::string::npos)
        run.error = "the menu music never started";
    else
        std::this_thread::sleep_for(kMenuComesUp);

    if (run.error.empty()) {
        const double cpuBefore = CpuSeconds(pid);
        const auto wallBefore = Clock::now();
        std::this_thread::sleep_for(measured);
        const double cpuAfter = CpuSeconds(pid);
        const std::chrono::duration<double> wall = Clock::now() - wallBefore;
        if (cpuBefore < 0.0 || cpuAfter < 0.0)
            run.error = "the game ended while it was measured";
        else
            run.cpuPerWallSecond = (cpuAfter - cpuBefore) / wall.count();
    }

    const auto killed = Clock::now();
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    pid_t ended = 0;
    while ((ended = wait4(pid, &status, WNOHANG, &usage)) == 0 && Clock::now() - killed < std::chrono::seconds(60))
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    if (ended == 0) {
        kill(pid, SIGKILL);
        wait4(pid, &status, 0, &usage);
        if (run.error.empty())
            run.error = "the game did not end within a minute of SIGTERM";
    }
    run.shutdownMilliseconds = std::chrono::duration<double, std::milli>(Clock::now() - killed).count();
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
    std::filesystem::remove_all(dataHome);
    return run;
}

void BM_StillMainMenu(benchmark::State& state)
{
    state.SetLabel(FromEnvironment("SDL_VIDEODRIVER", ""));
    for (auto _ : state) {
        const MenuRun run = RunStillMainMenu(std::chrono::seconds(state.range(0)));
        if (!run.error.empty()) {
            state.SkipWithError(run.error.c_str());
            break;
        }
        state.SetIterationTime(static_cast<double>(state.range(0)));
        state.counters["cpu_cores"] = run.cpuPerWallSecond;
        state.counters["peak_MB"] = run.peakMegabytes;
        state.counters["shutdown_ms"] = run.shutdownMilliseconds;
    }
}
BENCHMARK(BM_StillMainMenu)->Arg(10)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
