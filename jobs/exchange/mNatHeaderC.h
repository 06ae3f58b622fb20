// A check-in/out record: a CHECKINOUT node holding the global header (HEADER) and the root
// document (the first DOCUMENT), each added, empty, when first asked for.
#pragma once

#include <cstdint>

#include "core/metaTreeC.h"
#include "jobs/exchange/mNatDocumentC.h"
#include "jobs/exchange/mNatGlobalHeaderC.h"

class mNatHeaderC : public metaObjectC {
 public:
  static constexpr const char* classKey = "CHECKINOUT";

  using metaObjectC::metaObjectC;

  // A new tree holding only CHECKINOUT, owned by the view when owns is set (else by whoever
  // the caller hands it to).
  static mNatHeaderC create(uint32_t owns) { return mNatHeaderC(metaTreeC::newWithKeyword(classKey), owns); }

  // Non-owning views over the children.
  mNatGlobalHeaderC getGlobalHeader() { return mNatGlobalHeaderC(fieldNode(node, "HEADER"), 0); }
  mNatDocumentC getRootDocument() { return mNatDocumentC(fieldNode(node, mNatDocumentRootC::classKey), 0); }
};
