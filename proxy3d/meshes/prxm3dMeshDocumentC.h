// The members of every mesh document's script object (mesh parts and assemblies): its Name,
// its box (Size) and the change of its unit base, which answers 1.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/meshes/prxm3dMeshBaseC.h"

class prxm3dMeshDocumentC : public prxDescribedT<prxm3dMeshDocumentC, prxm3dMeshBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
