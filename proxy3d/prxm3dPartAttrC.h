// The script object over a part's attribute block ("PARTATTR"): IgnoreSectionViewCut, an
// integer, in front of the members of every 3D document's attributes.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dDocumentAttrC.h"

class prxm3dPartAttrC : public prxDescribedT<prxm3dPartAttrC, prxm3dDocumentAttrC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
