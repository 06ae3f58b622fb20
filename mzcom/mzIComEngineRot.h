// The engine's running-object table ("MZCOMENGROT"). Only the first operation has a meaning
// the library relies on; the others are passed through unchanged.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComEngineRot : public mzIUnknown {
 public:
  // Finds the running object id as interface iid; reserved is 0.
  virtual uint32_t findRunningObject(const mzIIDS& id, const mzIIDS& iid, uint32_t reserved, void** out) = 0;
  virtual uint32_t rotOperation2(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) = 0;
  virtual uint32_t rotOperation3(uintptr_t a) = 0;
  virtual uint32_t rotOperation4(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) = 0;
  virtual uint32_t rotOperation5(uintptr_t a) = 0;
  virtual uint32_t rotOperation6() = 0;
};
