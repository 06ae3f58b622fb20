// The common base of the 3D model views: a view over one tree node that owns no data beyond
// the node handle it shares as its virtual base.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class m3dBaseObjC : public metaObjectC {
 public:
  m3dBaseObjC() = default;
  m3dBaseObjC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
  m3dBaseObjC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
};
