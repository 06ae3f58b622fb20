// The 3D-model part of a sketch shape: a sketch's lines, arcs and circles are 2D shapes that
// also belong to the 3D model. It adds no data and no operation.
#pragma once

#include <cstdint>

#include "model3d/base/m3dBaseObjC.h"

class m3dShapeBaseC : public m3dBaseObjC {
 public:
  m3dShapeBaseC() = default;
  m3dShapeBaseC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dBaseObjC(root, owns) {}
  m3dShapeBaseC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  m3dShapeBaseC(const m3dShapeBaseC& other) : metaObjectVirtualDataBaseC(other), m3dBaseObjC(other, 0) {}
  m3dShapeBaseC& operator=(const m3dShapeBaseC& other) = default;
};
