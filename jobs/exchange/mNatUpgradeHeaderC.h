// An upgrade record: an UPGRADE node holding the document to upgrade (the first DOCUMENT),
// added, empty, when first asked for.
#pragma once

#include <cstdint>

#include "core/metaTreeC.h"
#include "jobs/exchange/mNatUpgradeDocumentC.h"

class mNatUpgradeHeaderC : public metaObjectC {
 public:
  static constexpr const char* classKey = "UPGRADE";

  using metaObjectC::metaObjectC;

  // A new tree holding only UPGRADE, owned by the view when owns is set (else by whoever the
  // caller hands it to).
  static mNatUpgradeHeaderC create(uint32_t owns) { return mNatUpgradeHeaderC(metaTreeC::newWithKeyword(classKey), owns); }

  // A non-owning view over the child.
  mNatUpgradeDocumentC getRootDocument() {
    return mNatUpgradeDocumentC(fieldNode(node, mNatDocumentRootC::classKey), 0);
  }
};
