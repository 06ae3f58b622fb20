// The host's engine as the library holds it between attach and detach. Its services are
// asked for by text identifier and released after each call; its one own operation takes
// three values that the library passes on unchanged.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComEngine : public mzIUnknown {
 public:
  virtual uint32_t engineOperation1(uintptr_t a, uintptr_t b, uintptr_t c) = 0;
};
