// The mesh factory proxy ("rudezaze.mmeshfactory"): the mesh members in front of the
// meta-object factory's, which every factory answers too.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxm3dMeshFactoryC : public prxFamilyFactoryT<prxm3dMeshFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};

// A new mesh factory, reference count 0: whoever hands it out takes the first reference.
proxyObjectC* createMeshFactory();
