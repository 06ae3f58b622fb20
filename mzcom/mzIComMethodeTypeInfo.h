// The description of a method ("MZIIDMETHTYPEINFO").
#pragma once

#include <cstdint>

#include "mzcom/mzIUnknown.h"

struct mzVariantS;

class mzIComMethodeTypeInfo : public mzIUnknown {
 public:
  virtual uint32_t getName(mzVariantS* out) = 0;
  virtual uint32_t getMinArgs(int32_t* out) = 0;
  virtual uint32_t getOptionalArgs(int32_t* out) = 0;
};
