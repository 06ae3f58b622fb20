// What the script objects of option types and options share: their limits as integers
// (MinVal, MaxVal, NumLines, OrganizeAsList, StepVal), their texts (FormatMask,
// FileDlgCaption, FileDlgType, Typ, Id, Desc), their value maps and file extensions as lists,
// and isBaseType. A put answers the object, so that calls chain. Only a base: scripts meet
// types and options.
#pragma once

#include "dlliface/mDllIfaceOptBaseC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

class prxmDllIfaceOptBaseC : public prxDescribedT<prxmDllIfaceOptBaseC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
