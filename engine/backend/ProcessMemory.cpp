#include "engine/backend/ProcessMemory.h"

// Any C library header defines __GLIBC__; without one the checks below
// would always be false.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace backend {

void ReturnLargeBlocksToTheSystem()
{
#if defined(__GLIBC__)
    // A fixed threshold also keeps the heap's top trimmed at its default.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

void ReturnFreeMemoryToTheSystem()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace backend
