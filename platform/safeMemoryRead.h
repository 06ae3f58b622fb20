// Reads memory that may not be mapped or readable without ever faulting: the kernel copies
// it, and an address it cannot read gives false. Safe inside a signal handler.
#pragma once

#include <cstddef>

// True when all bytes were copied to out.
bool safeMemoryRead(const void* address, void* out, size_t bytes);
