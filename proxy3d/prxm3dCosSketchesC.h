// The script list of a part's cosmetic sketches: the "COSDRAW" node's "COSSKETCH" children,
// each a cosmetic sketch object; other children are skipped by the list and visited by its
// enumerator.
#pragma once

#include "model3d/threads/m3dCosSketchC.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"
#include "proxy3d/prxm3dCosSketchC.h"

template <>
struct prxClassNameT<m3dCosSketchC> {
  static const char* get() { return "class m3dCosSketchC"; }
};

using prxm3dCosSketchesC = prxmObjListObjTypeContainerTemplateC<prxm3dCosSketchC, m3dCosSketchC>;
using prxm3dCosSketchEnumC = prxmObjEnumC<prxm3dCosSketchC>;
