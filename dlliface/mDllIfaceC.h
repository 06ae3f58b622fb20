// The interface description of a converter plug-in: a DLLIFACE node holding who the plug-in
// is (INFO) and the conversions it offers (IOPAIRS, whose IOPAIR children are the pairs of
// one input format and its output formats). Each accessor adds its node, empty, when it is
// missing.
#pragma once

#include "core/metaRecordRootT.h"
#include "dlliface/mDllIfaceInfoC.h"
#include "dlliface/mIoPairC.h"
#include "core/keyNodeField.h"

class mDllIfaceC : public metaRecordRootT<mDllIfaceC> {
 public:
  static constexpr const char* classKey = "DLLIFACE";

  using metaRecordRootT::metaRecordRootT;

  // Non-owning views over the children.
  mDllIfaceInfoC getInfo() { return mDllIfaceInfoC(fieldNode(node, mDllIfaceInfoC::classKey), 0); }
  mIoPairListC getIOPairs() { return mIoPairListC(fieldNode(node, "IOPAIRS"), 0); }
};
