// The entry points libFuzzer calls, for a program linked with exactly one
// fuzz target.

#include "tests/fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (fuzz::Targets().size() != 1) {
        std::fprintf(stderr, "a fuzzing program holds one target, this one %zu\n", fuzz::Targets().size());
        std::abort();
    }
    fuzz::PrepareEnvironment();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Targets().front()->run(data, size);
    return 0;
}
