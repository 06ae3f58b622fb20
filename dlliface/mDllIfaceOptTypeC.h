// A named option type: an OPTTYPE node of a page's OPTTYPES, which options refer to by
// putting its ID into their TYP.
#pragma once

#include <cstdint>

#include "dlliface/mDllIfaceOptBaseC.h"

class mDllIfaceOptTypeC : public mDllIfaceOptBaseC {
 public:
  static constexpr const char* classKey = "OPTTYPE";

  using mDllIfaceOptBaseC::mDllIfaceOptBaseC;
};
