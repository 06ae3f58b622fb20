// The native-document factory proxy ("rudezaze.mNatDocFactory"): the native-document members
// in front of the meta-object factory's, which every factory answers too.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxmNatObjectFactoryC : public prxFamilyFactoryT<prxmNatObjectFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};
