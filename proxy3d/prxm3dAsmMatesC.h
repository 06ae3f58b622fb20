// The script list of an assembly's mates: every child of "MATES", whatever its key word, each a
// mate object, with the members that remove and add mates. Item gives a mate only when its
// ends resolve to a type; the default member gives every existing child.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListContainerTemplateC.h"
#include "proxy3d/prxm3dAsmMateC.h"

class prxm3dAsmMatesC : public prxDescribedT<prxm3dAsmMatesC, prxmObjListContainerTemplateC<prxm3dAsmMateC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
