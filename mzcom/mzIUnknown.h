// The base interface of the component system. Hosts call it through its table of
// function pointers, so the slot order is part of the binary interface; objects are
// destroyed by their own Release, never through this interface, hence no destructor here.
#pragma once

#include <cstdint>

#include "mzcom/mzIIDS.h"

class mzIUnknown {
 public:
  // On success out receives the requested interface with one reference added.
  virtual uint32_t QueryInterface(const mzIIDS& iid, void** out) = 0;
  virtual uint32_t AddRef() = 0;
  virtual uint32_t Release() = 0;
};
