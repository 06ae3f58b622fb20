// The general-purpose allocators the small-block heap is compared with, called through their
// own entry points: mimalloc's mi_malloc/mi_free and jemalloc's mallocx/dallocx. Both libraries
// export malloc and free as well; the benchmark is linked so that the process keeps glibc's
// (the C library comes first in the search order), and checks that it did.
#pragma once

#include <cstddef>

void* mimallocAllocate(size_t size);
void mimallocFree(void* block);
void* jemallocAllocate(size_t size);
void jemallocFree(void* block);

// Null when malloc in this process is glibc's; otherwise why it is not.
const char* processAllocatorProblem();
