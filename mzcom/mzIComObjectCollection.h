// A counted collection of objects ("MZCOMOBJCOLL"), as the engine hands out class objects.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComObjectCollection : public mzIUnknown {
 public:
  virtual uint32_t getCount(uint32_t* count) = 0;
  // 1 for an index at or beyond the count; else out receives the item with one reference.
  virtual uint32_t getItem(uint32_t index, mzIUnknown** out) = 0;
};
