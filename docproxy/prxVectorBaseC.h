// The common base of the 2D and 3D vector proxies; it adds nothing to the math base.
#pragma once

#include <cstdint>

#include "docproxy/prxMathBaseC.h"

class prxVectorBaseC : public prxMathBaseC {
 public:
  explicit prxVectorBaseC(uint8_t takeReference) : prxMathBaseC(takeReference) {}
};
