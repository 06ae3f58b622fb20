// The engine's default marshaller (class "MZCOMDEFMARSH", interface "MZCOMMARHSAL"). The
// library passes every operation through unchanged.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

class mzIComMarshal : public mzIUnknown {
 public:
  virtual uint32_t marshalOperation1(uintptr_t a, uintptr_t b, uintptr_t c) = 0;
  virtual uint32_t marshalOperation2(uintptr_t a, uintptr_t b) = 0;
  virtual uint32_t marshalOperation3(uintptr_t a, uintptr_t b) = 0;
  virtual uint32_t marshalOperation4(uintptr_t a, uintptr_t b, uintptr_t c) = 0;
  virtual uint32_t marshalOperation5(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e, uintptr_t f,
                                     uintptr_t g, uintptr_t h, uintptr_t i) = 0;
  virtual uint32_t marshalOperation6(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e) = 0;
  virtual uint32_t marshalOperation7(uintptr_t a, uintptr_t b) = 0;
};
