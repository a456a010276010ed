#pragma once

// The crash handler: a fatal signal writes a "FATAL ERROR" entry with the
// fault's name, code, flags and address to log.htm, then the signal's default
// action runs so the exit status shows the crash. Everything the handler does
// is async-signal-safe: the entry is formatted into a fixed buffer and
// written with open/write/close.

#include <cstddef>
#include <cstdint>

namespace crash {

constexpr std::uint32_t ACCESS_VIOLATION = 0xC0000005u;
constexpr std::uint32_t IN_PAGE_ERROR = 0xC0000006u;
constexpr std::uint32_t INTEGER_DIVIDE_BY_ZERO = 0xC0000094u;
constexpr std::uint32_t STACK_OVERFLOW = 0xC00000FDu;
constexpr std::uint32_t ILLEGAL_INSTRUCTION = 0xC000001Du;
constexpr std::uint32_t FLOAT_FAULT = 0xC0000090u;
constexpr std::uint32_t ABORTED = 0xC0000409u;

// The plain name of a fault code ("Access violation!", ...).
const char* FaultName(std::uint32_t code);

// Formats the whole log entry of a crash into out (always terminated);
// localSeconds is the local wall-clock time in seconds since 1970. Returns the
// length written.
std::size_t FormatCrashReport(char* out, std::size_t capacity, std::uint32_t code, std::uint32_t flags,
                              std::uint64_t address, std::int64_t localSeconds);

} // namespace crash

// Installs the handler for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT on an
// alternate signal stack.
void InstallCrashHandler();

// The file the crash entry goes to (log.htm); copied into a fixed buffer.
void SetCrashReportPath(const char* path);
