// One input/output pair of a plug-in description: an IOPAIR node that pairs the input format
// a plug-in reads with the output formats it writes from it.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"

class mIoPairC : public metaObjectC {
 public:
  static constexpr const char* classKey = "IOPAIR";

  mIoPairC() = default;
  mIoPairC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
};

using mIoPairListC = metaObjKeyContainerTemplateC<mIoPairC>;
