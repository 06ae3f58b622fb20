// One input/output pair of a plug-in description: an IOPAIR node that pairs the input format
// a plug-in reads (INFMT) with the output formats it writes from it (OUTFMTS of OUTFMT), each
// added, empty, when first reached.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"
#include "dlliface/mInFormatItemC.h"
#include "dlliface/mOutFormatItemC.h"
#include "core/keyNodeField.h"

using mOutFormatListC = metaObjKeyContainerTemplateC<mOutFormatItemC>;

class mIoPairC : public metaObjectC {
 public:
  static constexpr const char* classKey = "IOPAIR";

  using metaObjectC::metaObjectC;

  mInFormatItemC getInParam() { return mInFormatItemC(fieldNode(node, mInFormatItemC::classKey), 0); }
  mOutFormatListC getOutParams() { return mOutFormatListC(fieldNode(node, "OUTFMTS"), 0); }
};

using mIoPairListC = metaObjKeyContainerTemplateC<mIoPairC>;
