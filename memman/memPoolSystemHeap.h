// The C heap underneath the small-block heap: its large blocks and the tables that find its
// pages and slabs.
// Nothing in the library tests an allocation for null, so a C heap that cannot supply a
// request ends the process with a message instead of handing out a null block.
#pragma once

#include <cstddef>
#include <cstdint>

void* memPoolSystemAlloc(size_t bytes);
void* memPoolSystemRealloc(void* memory, size_t bytes);
void memPoolSystemFree(void* memory);

// Writes "out of memory" with the size of the request to the debugger output and aborts.
[[noreturn]] void memPoolOutOfMemory(uint64_t bytes);
