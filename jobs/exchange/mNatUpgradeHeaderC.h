// An upgrade record: an UPGRADE node holding the document to upgrade (the first DOCUMENT),
// added, empty, when first asked for.
#pragma once

#include "core/metaRecordRootT.h"
#include "jobs/exchange/mNatUpgradeDocumentC.h"

class mNatUpgradeHeaderC : public metaRecordRootT<mNatUpgradeHeaderC> {
 public:
  static constexpr const char* classKey = "UPGRADE";

  using metaRecordRootT::metaRecordRootT;

  // A non-owning view over the child.
  mNatUpgradeDocumentC getRootDocument() {
    return mNatUpgradeDocumentC(fieldNode(node, mNatDocumentRootC::classKey), 0);
  }
};
