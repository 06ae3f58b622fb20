// The part-server job factory proxy ("rudezaze.mpartserverfactory"): the part-server job
// members in front of the meta-object factory's, which every factory answers too.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxmPSObjectFactoryC : public prxFamilyFactoryT<prxmPSObjectFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};
