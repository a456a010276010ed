#include "engine/util/Random.h"

namespace {
std::uint32_t g_randomState = 1;
}

void SeedRandom(std::uint32_t seed)
{
    g_randomState = seed;
}

int RandomInt()
{
    g_randomState = g_randomState * 214013u + 2531011u;
    return static_cast<int>((g_randomState >> 16) & 0x7FFF);
}
