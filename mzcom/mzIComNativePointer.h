// Reaches the class and address of a library object from a host in the same process
// ("MZCOMNATPTR"). Hosts call it through its table, so the slot order is fixed.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;

class mzIComNativePointer : public mzIUnknown {
 public:
  // The id of the calling thread.
  virtual uint32_t getThreadId(uint32_t* out) = 0;
  virtual uint32_t getNativePointer(void** out) = 0;
  // Keeps its slot; answers 1 whatever it is given.
  virtual uint32_t nativePointerOperation6(uint32_t unused) = 0;
  // A string variant with the class's pointer type name, "class proxyObjectC *" and the like.
  virtual uint32_t getTypeName(mzVariantS* out) = 0;
};
