// A counted collection of objects ("MZCOMOBJCOLL"), as the type information hands out
// the descriptions of an object's members.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComObjectCollection : public mzIUnknown {
 public:
  virtual uint32_t getCount(uint32_t* out) = 0;
  // 1, out untouched, for an index at or beyond the count; else the item with a reference.
  virtual uint32_t getItem(uint32_t index, mzIUnknown** out) = 0;
};
