// The script object of a part ("PART"): its features, connection points, cosmetic sketches,
// attributes, colour, preferences, detail levels and name prefixes, each a new object over
// the child it finds or adds; its 3D data file and type; its recalculation for a detail level
// and its transformation; in front of the members of every 3D document.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dDocumentC.h"

class prxm3dPartC : public prxDescribedT<prxm3dPartC, prxm3dDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
