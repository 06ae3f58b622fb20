// A check-in/out record: a CHECKINOUT node holding the global header (HEADER) and the root
// document (the first DOCUMENT), each added, empty, when first asked for.
#pragma once

#include "core/metaRecordRootT.h"
#include "jobs/exchange/mNatDocumentC.h"
#include "jobs/exchange/mNatGlobalHeaderC.h"

class mNatHeaderC : public metaRecordRootT<mNatHeaderC> {
 public:
  static constexpr const char* classKey = "CHECKINOUT";

  using metaRecordRootT::metaRecordRootT;

  // Non-owning views over the children.
  mNatGlobalHeaderC getGlobalHeader() { return mNatGlobalHeaderC(fieldNode(node, "HEADER"), 0); }
  mNatDocumentC getRootDocument() { return mNatDocumentC(fieldNode(node, mNatDocumentRootC::classKey), 0); }
};
