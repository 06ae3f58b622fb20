// The plug-in interface factory proxy ("rudezaze.mdllifacefactory"): the plug-in members in
// front of the meta-object factory's, which every factory answers too.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxDllIfaceFactoryC : public prxFamilyFactoryT<prxDllIfaceFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};
