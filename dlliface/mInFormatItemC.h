// The input format of an input/output pair: an INFMT node with the fields of every format.
#pragma once

#include <cstdint>

#include "dlliface/mFormatItemC.h"

class mInFormatItemC : public mFormatItemC {
 public:
  static constexpr const char* classKey = "INFMT";

  using mFormatItemC::mFormatItemC;
};
