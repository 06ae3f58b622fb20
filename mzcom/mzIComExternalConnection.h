// The external-connection interface of a library object ("MZCOMEXTCONN"). The library
// keeps no connections: the operations only keep their slots and results.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComExternalConnection : public mzIUnknown {
 public:
  virtual uint32_t connectionOperation1(uint32_t value) = 0;
  virtual uint32_t connectionOperation2(uint32_t first, uint32_t second) = 0;
  virtual uint32_t connectionOperation3(uint32_t* out) = 0;
};
