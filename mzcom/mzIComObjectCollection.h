// A counted collection of objects ("MZCOMOBJCOLL"): the engine hands out class objects
// this way, and the type information the descriptions of an object's members.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComObjectCollection : public mzIUnknown {
 public:
  virtual uint32_t getCount(uint32_t* count) = 0;
  // 1, out untouched, for an index at or beyond the count; else out receives the item with one reference.
  virtual uint32_t getItem(uint32_t index, mzIUnknown** out) = 0;
};
