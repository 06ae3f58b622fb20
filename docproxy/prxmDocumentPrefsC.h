// The script object over a document's preferences node: UnitBase and DesignUnitBase, read
// and set as numbers, in front of the members common to every stored object. Setting the
// unit base only stores the number; nothing of the document is rescaled.
#pragma once

#include "proxy/prxMetaObjectBaseC.h"

class prxmDocumentPrefsC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view, as the document families pass it.
  explicit prxmDocumentPrefsC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
