// A script variable passed by reference ("MZSCR.SYMBOLREF", an interface of the host's
// script engine). The library only reads the variable's value, the second operation;
// the first keeps its slot.
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;

class mzIScriptSymbolRef : public mzIUnknown {
 public:
  virtual uint32_t symbolRefOperation1() = 0;
  // Writes the variable's current value into an empty variant.
  virtual uint32_t getValue(mzVariantS* value) = 0;
};
