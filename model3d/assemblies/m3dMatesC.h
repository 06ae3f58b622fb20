// The mates of an assembly ("MATES"): every child a mate, in order.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectCommonBaseTemplateC.h"
#include "memman/pageMemT.h"
#include "model3d/assemblies/m3dMateC.h"
#include "model3d/base/m3dGeomOpBaseC.h"

class m3dAsmC;
using mateListC = pageMemT<m3dMateC, 3>;
using mateGroupListC = pageMemT<mateListC, 3>;

class m3dMatesC : public metaObjListObjectCommonBaseTemplateC<m3dMateC>, public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "MATES";

  m3dMatesC() = default;
  m3dMatesC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjListObjectCommonBaseTemplateC<m3dMateC>(root, owns), m3dGeomOpBaseC(root, owns) {}

  // The i-th child, whatever its key word; an empty view out of range.
  m3dMateC mateAt(int i);
  // The assembly over the list's parent.
  m3dAsmC getAssembly();

  // The mates whose first (second) member path equals path byte for byte, in order.
  mateListC findMatesByFirstPath(const char* path);
  mateListC findMatesBySecondPath(const char* path);
  // One group per distinct second path, in order of first appearance.
  mateGroupListC groupMatesBySecondPath();
  // One group per pair of ends (both paths and both connection-point names), in order of first
  // appearance.
  mateGroupListC groupMates();
};
