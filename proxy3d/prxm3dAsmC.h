// The script object of an assembly ("ASSEMBLY"): its members, attributes, mates, preferences
// and name prefixes, each a new object over the child it finds or adds, in front of the members
// of every 3D document.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dDocumentC.h"

class prxm3dAsmC : public prxDescribedT<prxm3dAsmC, prxm3dDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
