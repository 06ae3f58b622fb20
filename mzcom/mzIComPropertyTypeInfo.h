// The description of a property ("MZIIDPROPTYPEINFO").
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;

class mzIComPropertyTypeInfo : public mzIUnknown {
 public:
  virtual uint32_t getName(mzVariantS* out) = 0;
  // 1 when the property can only be read, 0 when it can also be set.
  virtual uint32_t getAccess(uint32_t* out) = 0;
};
