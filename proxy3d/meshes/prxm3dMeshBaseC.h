// The base of the script objects of mesh documents: their Factory is the mesh factory, in
// front of the members common to every stored object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxm3dMeshBaseC : public prxDescribedT<prxm3dMeshBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
