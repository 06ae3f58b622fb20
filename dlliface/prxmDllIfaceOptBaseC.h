// What the script objects of option types and options share: their limits as integers
// (MinVal, MaxVal, NumLines, OrganizeAsList, StepVal), their texts (FormatMask,
// FileDlgCaption, FileDlgType, Typ, Id, Desc), their value maps and file extensions as lists,
// and isBaseType. A put answers the object, so that calls chain. Only a base: scripts meet
// types and options.
#pragma once

#include "dlliface/mDllIfaceOptBaseC.h"
#include "dlliface/prxDllIfaceBaseC.h"

class prxmDllIfaceOptBaseC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view.
  explicit prxmDllIfaceOptBaseC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
