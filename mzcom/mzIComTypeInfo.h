// What a library object offers to scripts ("MZIIDTYPEINFO"): its members as method
// and property descriptions.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComObjectCollection;

class mzIComTypeInfo : public mzIUnknown {
 public:
  // kindMask: 1 methods, 2 property reads, 4 property writes. The descriptions of every
  // member name, in byte order of the names.
  virtual uint32_t getMembers(uint32_t kindMask, mzIComObjectCollection** out) = 0;
  // The description of one member of the lowest kind in kindMask; 1 when there is none.
  virtual uint32_t getMember(const char* name, uint32_t kindMask, mzIUnknown** out) = 0;
};
