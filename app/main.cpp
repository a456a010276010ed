#include "app/GameRun.h"

#include <clocale>

#if defined(__SANITIZE_ADDRESS__)
// Sanitized builds: the GL driver's allocations cannot be attributed and the
// Lua state is never closed, so leak reports would only be noise.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
#endif

int main()
{
    // Numbers in data files are read in the C locale, whatever the user's.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    return RunGame();
}
