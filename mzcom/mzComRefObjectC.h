// The reference count shared, as a virtual base, by the library's component objects.
// Plain counter: objects are used from one thread at a time.
#pragma once

#include <cstdint>

class mzComRefObjectC {
 public:
  uint32_t referenceCount = 0;
};
