// The class-factory interface ("MZIIDCLSFAC") that a component registers with the engine:
// the host asks it by ProgID for the component's objects.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIDispatch;

class mzIClassFactory : public mzIUnknown {
 public:
  // On success (0) out receives the new object with one reference for the caller; otherwise
  // 1 and out null.
  virtual uint32_t CreateInstance(const mzIIDS& classId, mzIDispatch** out) = 0;
};
