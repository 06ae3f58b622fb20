// A file moniker of the engine ("MZCOMFILEMONIKER"); the library calls only its first operation.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComFileMoniker : public mzIUnknown {
 public:
  virtual uint32_t monikerOperation1(uintptr_t a, uintptr_t b, uintptr_t c) = 0;
};
