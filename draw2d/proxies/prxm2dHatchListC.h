// The hatch list of a figure (its "M2DHATCHES"): the M2DHATCH children as hatch objects.
#pragma once

#include "draw2d/documents/m2dHatchC.h"
#include "draw2d/proxies/prxm2dHatchC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<m2dHatchC> {
  static const char* get() { return "class m2dHatchC"; }
};

using prxm2dHatchListC = prxmObjListObjTypeContainerTemplateC<prxm2dHatchC, m2dHatchC>;
