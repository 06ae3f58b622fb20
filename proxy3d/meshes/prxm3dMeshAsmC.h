// The script object of a mesh assembly ("MESHASM"): its members and preferences, in front of
// the members of every mesh document.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/meshes/prxm3dMeshDocumentC.h"

class prxm3dMeshAsmC : public prxDescribedT<prxm3dMeshAsmC, prxm3dMeshDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
