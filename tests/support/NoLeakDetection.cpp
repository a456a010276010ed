// Linked into test executables that open the GL driver or the Lua state:
// Mesa's driver is loaded and unloaded at run time, so its allocations show
// as unknown modules, and the Lua state is never closed by design.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
