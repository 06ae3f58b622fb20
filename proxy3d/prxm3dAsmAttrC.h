// The script object over an assembly's attribute block ("ASMATTR"): the members of every 3D
// document's attributes.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dDocumentAttrC.h"

class prxm3dAsmAttrC : public prxDescribedT<prxm3dAsmAttrC, prxm3dDocumentAttrC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
