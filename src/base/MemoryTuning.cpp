#include "base/MemoryTuning.h"

#include <cstdlib> // defines __GLIBC__ there

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void TuneMemoryForPictures() {
#if defined(__GLIBC__)
    // Blocks below 32 MB (a page at print size is about 17 MB) come from the
    // heap, which keeps up to 256 MB of freed memory for the next page.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
    // One pool: the pages of one thread are freed by another.
    mallopt(M_ARENA_MAX, 1);
#endif
}
