// The script object over a 3D document's attribute block: ExcludeFromBom, an integer, in
// front of the members of every document's attributes. Showing the block adds its checksum
// record ("MOCRC") when it has none.
#pragma once

#include "docproxy/prxmDocumentAttrC.h"
#include "proxy/prxDescribedT.h"

class prxm3dDocumentAttrC : public prxDescribedT<prxm3dDocumentAttrC, prxmDocumentAttrC> {
 public:
  explicit prxm3dDocumentAttrC(const metaObjectC& attributes);

  static const proxyClassC description;
};
