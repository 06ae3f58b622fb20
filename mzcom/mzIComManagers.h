// The engine's shared-memory, channel and mutex managers ("MZCOMSHMEMMGR", "MZCOMCHMGR",
// "MZCOMMUTEXMGR"); the library calls the first operation of each, passed through unchanged.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComSharedMemoryManager : public mzIUnknown {
 public:
  virtual uint32_t managerOperation1(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) = 0;
};

class mzIComChannelManager : public mzIUnknown {
 public:
  virtual uint32_t managerOperation1(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) = 0;
};

class mzIComMutexManager : public mzIUnknown {
 public:
  virtual uint32_t managerOperation1(uintptr_t a, uintptr_t b, uintptr_t c) = 0;
};
