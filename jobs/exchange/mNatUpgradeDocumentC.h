// The document of an upgrade record: the shared part of a native document (mNatDocumentRootC)
// with the list of used files (USEDFILES, one string per child), the variable table
// (VARSETTABLE) and the variants (VARIANTS). Each accessor adds its node, empty, when missing.
#pragma once

#include <cstdint>

#include "core/metaObjListStrContainerC.h"
#include "jobs/exchange/mNatDocumentRootC.h"
#include "jobs/exchange/pShellVarTabLineC.h"
#include "jobs/exchange/pShellVariantC.h"

class mNatUpgradeDocumentC : public mNatDocumentRootC {
 public:
  using mNatDocumentRootC::mNatDocumentRootC;

  // Non-owning views over the children.
  metaObjListStrContainerC getUsedFiles() { return metaObjListStrContainerC(fieldNode(node, "USEDFILES"), 0); }
  pShellVarTableC getVarTable() { return pShellVarTableC(fieldNode(node, "VARSETTABLE"), 0); }
  pShellVariantListC getVariants() { return getVariantsContainer(*this); }
};
