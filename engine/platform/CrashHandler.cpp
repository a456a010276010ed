#include "engine/platform/CrashHandler.h"

#include <csignal>
#include <initializer_list>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/resource.h>
#include <ucontext.h>
#include <unistd.h>

namespace crash {
namespace {

// A small writer into a fixed buffer; no allocation.
struct Writer {
    char* out;
    std::size_t capacity;
    std::size_t length = 0;

    void Put(const char* text)
    {
        while (*text && length + 1 < capacity)
            out[length++] = *text++;
        out[length] = '\0';
    }
    void PutUnsigned(std::uint64_t value, int minDigits = 1)
    {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n < minDigits)
            digits[n++] = '0';
        char text[24];
        for (int i = 0; i < n; ++i)
            text[i] = digits[n - 1 - i];
        text[n] = '\0';
        Put(text);
    }
    void PutHex(std::uint64_t value, int minDigits)
    {
        static const char hex[] = "0123456789ABCDEF";
        char digits[20];
        int n = 0;
        do {
            digits[n++] = hex[value & 0xF];
            value >>= 4;
        } while (value != 0);
        while (n < minDigits)
            digits[n++] = '0';
        char text[20];
        for (int i = 0; i < n; ++i)
            text[i] = digits[n - 1 - i];
        text[n] = '\0';
        Put(text);
    }
};

// Civil date from days since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(std::int64_t days, int& year, int& month, int& day)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t doe = days - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

char g_reportPath[4096];
long g_gmtOffset = 0;
std::uintptr_t g_stackTop = 0;
std::uintptr_t g_stackLimit = 0;
char g_report[4096];

} // namespace

const char* FaultName(std::uint32_t code)
{
    switch (code) {
    case ACCESS_VIOLATION: return "Access violation!";
    case IN_PAGE_ERROR: return "In page error!";
    case INTEGER_DIVIDE_BY_ZERO: return "Divide by zero!";
    case STACK_OVERFLOW: return "Stack overflow!";
    default: return "Unhandled exception!";
    }
}

std::size_t FormatCrashReport(char* out, std::size_t capacity, std::uint32_t code, std::uint32_t flags,
                              std::uint64_t address, std::int64_t localSeconds)
{
    Writer w{out, capacity};
    if (capacity == 0)
        return 0;
    out[0] = '\0';

    std::int64_t days = localSeconds / 86400;
    std::int64_t rest = localSeconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    int year, month, day;
    CivilFromDays(days, year, month, day);

    w.Put("<B><Font Size = 1 Color = DarkGreen Face = Verdana><");
    w.PutUnsigned(static_cast<std::uint64_t>(day), 2);
    w.Put(".");
    w.PutUnsigned(static_cast<std::uint64_t>(month), 2);
    w.Put(".");
    w.PutUnsigned(static_cast<std::uint64_t>(year));
    w.Put(" - ");
    w.PutUnsigned(static_cast<std::uint64_t>(rest / 3600), 2);
    w.Put(":");
    w.PutUnsigned(static_cast<std::uint64_t>(rest / 60 % 60), 2);
    w.Put(":");
    w.PutUnsigned(static_cast<std::uint64_t>(rest % 60), 2);
    w.Put("> </Font></B>");
    w.Put("<B><Font Size = 1 Color = Red Face = Verdana>FATAL ERROR : </B></Font>");
    w.Put("<Font Size = 1 Color = Black Face = Verdana>");
    w.Put(FaultName(code));
    w.Put("</Font><BR>");

    w.Put("<Font Size = 1 Color = Black Face = Verdana>Exception information</Font><BR>");
    w.Put("<Font Size = 1 Color = Black Face = Verdana>Exception adress : ");
    w.PutHex(address, 8);
    w.Put("</Font><BR>");
    w.Put("<Font Size = 1 Color = Black Face = Verdana>Exception flags : ");
    w.PutUnsigned(flags);
    w.Put("</Font><BR>");
    w.Put("<Font Size = 1 Color = Black Face = Verdana>Exception code : ");
    w.PutUnsigned(code);
    w.Put("</Font><BR>");
    return w.length;
}

namespace {

std::uint32_t CodeOfSignal(int signo, const siginfo_t* info)
{
    switch (signo) {
    case SIGSEGV: {
        const auto addr = reinterpret_cast<std::uintptr_t>(info->si_addr);
        // A fault just below the main stack's reach is the guard page.
        if (g_stackTop != 0 && addr < g_stackTop && g_stackTop - addr <= g_stackLimit + 65536 &&
            g_stackTop - addr >= g_stackLimit - 65536)
            return STACK_OVERFLOW;
        return ACCESS_VIOLATION;
    }
    case SIGBUS: return IN_PAGE_ERROR;
    case SIGFPE: return info->si_code == FPE_INTDIV ? INTEGER_DIVIDE_BY_ZERO : FLOAT_FAULT;
    case SIGILL: return ILLEGAL_INSTRUCTION;
    default: return ABORTED;
    }
}

std::uint64_t FaultAddress(const siginfo_t* info, void* context)
{
#if defined(__x86_64__)
    if (context)
        return static_cast<std::uint64_t>(static_cast<ucontext_t*>(context)->uc_mcontext.gregs[REG_RIP]);
#else
    (void)context;
#endif
    return reinterpret_cast<std::uintptr_t>(info->si_addr);
}

void OnFatalSignal(int signo, siginfo_t* info, void* context)
{
    if (g_reportPath[0] != '\0') {
        const std::int64_t local = static_cast<std::int64_t>(::time(nullptr)) + g_gmtOffset;
        const std::size_t length =
            FormatCrashReport(g_report, sizeof g_report, CodeOfSignal(signo, info), 0, FaultAddress(info, context), local);
        const int fd = ::open(g_reportPath, O_WRONLY | O_APPEND | O_CREAT, 0644);
        if (fd >= 0) {
            ssize_t ignored = ::write(fd, g_report, length);
            (void)ignored;
            ::close(fd);
        }
    }
    // Let the default action end the process so the exit status shows it.
    struct sigaction dfl;
    std::memset(&dfl, 0, sizeof dfl);
    dfl.sa_handler = SIG_DFL;
    ::sigaction(signo, &dfl, nullptr);
    ::raise(signo);
}

} // namespace
} // namespace crash

void SetCrashReportPath(const char* path)
{
    std::strncpy(crash::g_reportPath, path ? path : "", sizeof crash::g_reportPath - 1);
    crash::g_reportPath[sizeof crash::g_reportPath - 1] = '\0';
}

void InstallCrashHandler()
{
    static char alternateStack[64 * 1024];
    stack_t ss{};
    ss.ss_sp = alternateStack;
    ss.ss_size = sizeof alternateStack;
    ::sigaltstack(&ss, nullptr);

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    crash::g_gmtOffset = local.tm_gmtoff;

    int marker = 0;
    crash::g_stackTop = reinterpret_cast<std::uintptr_t>(&marker);
    rlimit limit{};
    if (::getrlimit(RLIMIT_STACK, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY)
        crash::g_stackLimit = static_cast<std::uintptr_t>(limit.rlim_cur);
    else
        crash::g_stackLimit = 8u * 1024u * 1024u;

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = crash::OnFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signo : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        ::sigaction(signo, &action, nullptr);
}
