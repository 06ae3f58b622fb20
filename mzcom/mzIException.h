// The error object a failed call by name hands back ("MZIEXCEPTION").
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;

class mzIException : public mzIUnknown {
 public:
  virtual uint32_t getSource(mzVariantS* out) = 0;
  virtual uint32_t getDescription(mzVariantS* out) = 0;
  // The inner error object with one added reference, or null.
  virtual uint32_t getInnerException(mzIException** out) = 0;
};
