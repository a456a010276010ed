#include "tests/support/FakeProcess.h"

#include "engine/backend/Process.h"

namespace testing_support {

FakeProcess::FakeProcess(bool started)
{
    backend::SetProgramStarter([this, started](const std::string& program, const std::vector<std::string>& arguments) {
        _starts.push_back(Start{program, arguments});
        return started;
    });
}

FakeProcess::~FakeProcess()
{
    backend::SetProgramStarter(nullptr);
}

std::vector<std::string> FakeProcess::Opened() const
{
    std::vector<std::string> targets;
    for (const Start& start : _starts)
        if (start.program == "xdg-open")
            for (const std::string& argument : start.arguments)
                targets.push_back(argument);
    return targets;
}

} // namespace testing_support
