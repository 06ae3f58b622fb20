// The figure-item part of the shapes a 2D figure holds (its lines and texts). It adds no data
// and no operation, and shares the node of the shape part it is combined with.
#pragma once

#include <cstdint>

#include "draw2d/shapes/m2dBaseObjC.h"

class m2dShapeBaseC : public m2dBaseObjC {
 public:
  m2dShapeBaseC() = default;
  m2dShapeBaseC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m2dBaseObjC(root, owns) {}
  m2dShapeBaseC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m2dShapeBaseC(const m2dShapeBaseC& other) : metaObjectVirtualDataBaseC(other), m2dBaseObjC(other) {}
  m2dShapeBaseC& operator=(const m2dShapeBaseC& other) = default;
};
