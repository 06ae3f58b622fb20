// The common base of the 2D model views (documents, and the figure items through
// m2dShapeBaseC). It holds no data beyond the node handle.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"

class m2dBaseObjC : public metaObjectC {
 public:
  m2dBaseObjC() = default;
  m2dBaseObjC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}
  m2dBaseObjC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m2dBaseObjC(const m2dBaseObjC& other) : metaObjectVirtualDataBaseC(other), metaObjectC(other) {}
  m2dBaseObjC& operator=(const m2dBaseObjC& other) = default;
};
