// The script object of a mesh document's box ("MESHSIZE"): its corners as stored 3D points.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/meshes/prxm3dMeshBaseC.h"

class prxm3dMeshSizeC : public prxDescribedT<prxm3dMeshSizeC, prxm3dMeshBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
