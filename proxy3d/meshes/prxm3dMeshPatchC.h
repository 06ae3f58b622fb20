// The script object of a mesh part's patch ("MESHPATCH"): its point and normal numbers and
// its normal.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/meshes/prxm3dMeshBaseC.h"

class prxm3dMeshPatchC : public prxDescribedT<prxm3dMeshPatchC, prxm3dMeshBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
