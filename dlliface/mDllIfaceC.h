// The interface description of a converter plug-in: a DLLIFACE node holding who the plug-in
// is (INFO) and the conversions it offers (IOPAIRS, whose IOPAIR children are the pairs of
// one input format and its output formats). Each accessor adds its node, empty, when it is
// missing.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "dlliface/mDllIfaceInfoC.h"
#include "dlliface/mIoPairC.h"
#include "core/keyNodeField.h"

class mDllIfaceC : public metaObjectC {
 public:
  static constexpr const char* classKey = "DLLIFACE";

  using metaObjectC::metaObjectC;

  // A new tree holding only DLLIFACE, owned by the view when owns is set (else by whoever the
  // caller hands it to).
  static mDllIfaceC create(uint32_t owns) { return mDllIfaceC(metaTreeC::newWithKeyword(classKey), owns); }

  // Non-owning views over the children.
  mDllIfaceInfoC getInfo() { return mDllIfaceInfoC(fieldNode(node, mDllIfaceInfoC::classKey), 0); }
  mIoPairListC getIOPairs() { return mIoPairListC(fieldNode(node, "IOPAIRS"), 0); }
};
