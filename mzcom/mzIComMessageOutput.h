// The engine's message output ("MZCOMMSGOUTPUT"), found as the running object "MZCOMMSGOUTPUTSRV".
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;

class mzIComMessageOutput : public mzIUnknown {
 public:
  // text is a string variant that stays the caller's.
  virtual uint32_t writeMessage(int32_t code, mzVariantS* text) = 0;
};
