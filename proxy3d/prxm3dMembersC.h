// The script list of an assembly's members: the assembly node's "MEMBER" children, each a
// member object; other children are skipped by the list and visited by its enumerator.
#pragma once

#include "model3d/assemblies/m3dMemberC.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"
#include "proxy3d/prxm3dMemberC.h"

template <>
struct prxClassNameT<m3dMemberC> {
  static const char* get() { return "class m3dMemberC"; }
};

using prxm3dMembersC = prxmObjListObjTypeContainerTemplateC<prxm3dMemberC, m3dMemberC>;
