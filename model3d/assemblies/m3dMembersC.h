// The members of an assembly: the assembly node seen as the list of its "MEMBER" children.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "model3d/assemblies/m3dMemberC.h"
#include "model3d/base/m3dGeomOpBaseC.h"

class m3dMembersC : public metaObjKeyContainerTemplateC<m3dMemberC>, public m3dGeomOpBaseC {
 public:
  m3dMembersC() = default;
  m3dMembersC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjKeyContainerTemplateC<m3dMemberC>(root, owns), m3dGeomOpBaseC(root, owns) {}

  int count() { return int(getCount()); }
  // The i-th member (0-based); an empty view out of range.
  m3dMemberC itemAt(int i) { return getItem(i); }
};
