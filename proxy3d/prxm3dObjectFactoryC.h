// The 3D object factory proxy ("rudezaze.m3dfactory"): the 3D members in front of the
// meta-object factory's, which every factory answers too.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxm3dObjectFactoryC : public prxFamilyFactoryT<prxm3dObjectFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};

// A new 3D factory, reference count 0: whoever hands it out takes the first reference.
proxyObjectC* createObjectFactory3d();
