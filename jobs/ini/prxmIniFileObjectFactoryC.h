// The INI-file factory proxy ("rudezaze.minifactory" and "scripting.inifile"): the INI-file
// members in front of the meta-object factory's, which every factory answers too.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxmIniFileObjectFactoryC : public prxFamilyFactoryT<prxmIniFileObjectFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};
