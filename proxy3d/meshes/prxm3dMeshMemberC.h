// The script object of a mesh assembly's member ("MESHMEM"): which document it holds, that
// document, and its placement.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/meshes/prxm3dMeshBaseC.h"

class prxm3dMeshMemberC : public prxDescribedT<prxm3dMeshMemberC, prxm3dMeshBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
