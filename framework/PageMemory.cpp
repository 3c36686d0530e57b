#include "framework/PageMemory.h"

#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

void* PageMemory::AllocateWritable(size_t bytes)
{
    void* p = std::aligned_alloc(PageSize, bytes);
    if (!p)
        throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    // Fails on kernels before 5.14; the pages then come by faults, as ever.
    madvise(p, bytes, MADV_POPULATE_WRITE);
#endif
    return p;
}
