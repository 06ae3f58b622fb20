// The script object over a document's preferences node: UnitBase and DesignUnitBase, read
// and set as numbers, in front of the members common to every stored object. Setting the
// unit base only stores the number; nothing of the document is rescaled.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmDocumentPrefsC : public prxDescribedT<prxmDocumentPrefsC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
