// An annotation of a part: any child of an annotation set. Only face annotations have
// behaviour of their own.
#pragma once

#include <cstdint>

#include "model3d/base/m3dGeomOpBaseC.h"

class m3dAnnotationC : public m3dGeomOpBaseC {
 public:
  m3dAnnotationC() = default;
  m3dAnnotationC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}
};
