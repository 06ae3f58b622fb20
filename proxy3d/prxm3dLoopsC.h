// The script list of a sketch's loops: the sketch node's "LOOP" children, each a loop object;
// other children are skipped by the list and visited by its enumerator.
#pragma once

#include "model3d/sketches/m3dLoopC.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"
#include "proxy3d/prxm3dLoopC.h"

template <>
struct prxClassNameT<m3dLoopC> {
  static const char* get() { return "class m3dLoopC"; }
};

using prxm3dLoopsC = prxmObjListObjTypeContainerTemplateC<prxm3dLoopC, m3dLoopC>;
