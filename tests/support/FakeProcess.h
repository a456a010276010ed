#pragma once

// Stands in for the platform's program starts while it lives: every program
// that RunAndWait or OpenWithShell would start is recorded with its
// arguments instead, and nothing runs.

#include <string>
#include <vector>

namespace testing_support {

class FakeProcess {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };

    // started: what the stand-in answers for each start.
    explicit FakeProcess(bool started = true);
    ~FakeProcess();
    FakeProcess(const FakeProcess&) = delete;
    FakeProcess& operator=(const FakeProcess&) = delete;

    const std::vector<Start>& Starts() const { return _starts; }
    // The single argument of each "xdg-open" start, in order.
    std::vector<std::string> Opened() const;

private:
    std::vector<Start> _starts;
};

} // namespace testing_support
