// The script list of a part's connection points: the "CONNECT" node's "CONNPOINT" children,
// each a connection point object; other children are skipped by the list and visited by its
// enumerator.
#pragma once

#include "model3d/connections/m3dConnPointC.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"
#include "proxy3d/prxm3dConnPointC.h"

template <>
struct prxClassNameT<m3dConnPointC> {
  static const char* get() { return "class m3dConnPointC"; }
};

using prxm3dConnPointsC = prxmObjListObjTypeContainerTemplateC<prxm3dConnPointC, m3dConnPointC>;
using prxm3dConnPointEnumC = prxmObjEnumC<prxm3dConnPointC>;
