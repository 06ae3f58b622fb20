// The script object of a mesh part ("MESHPART"): its patches, point and normal tables and
// preferences, and its transformation by a matrix, in front of the members of every mesh
// document.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/meshes/prxm3dMeshDocumentC.h"

class prxm3dMeshPartC : public prxDescribedT<prxm3dMeshPartC, prxm3dMeshDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
