// The engine's proxy-object interface ("MZCOMPROXYOBJ"). The library calls only its
// fourth operation; the three before it keep their slots.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComProxyObject : public mzIUnknown {
 public:
  virtual uint32_t proxyOperation1() = 0;
  virtual uint32_t proxyOperation2() = 0;
  virtual uint32_t proxyOperation3() = 0;
  virtual uint32_t proxyOperation4(uintptr_t value) = 0;
};
