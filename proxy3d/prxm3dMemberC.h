// The script object of an assembly's member ("MEMBER"): whether it holds a part or an
// assembly, that document, and its placement ("MAT").
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dMemberC : public prxDescribedT<prxm3dMemberC, prxm3dBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
