// The script object of a part ("PART"): the members of every 3D document.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dDocumentC.h"

class prxm3dPartC : public prxDescribedT<prxm3dPartC, prxm3dDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
