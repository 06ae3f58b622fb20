// Atomic addition on a plain 32-bit counter.
#pragma once

#include <cstdint>

// Adds value to *address atomically; returns the value before the addition.
inline int32_t sysInterlockedAdd(int32_t* address, int32_t value) {
  return __atomic_fetch_add(address, value, __ATOMIC_SEQ_CST);
}
