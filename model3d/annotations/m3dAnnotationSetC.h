// An annotation set: every child an annotation, in order.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectCommonBaseTemplateC.h"
#include "model3d/annotations/m3dAnnotationC.h"
#include "model3d/base/m3dGeomOpBaseC.h"

class m3dAnnotationSetC : public metaObjListObjectCommonBaseTemplateC<m3dAnnotationC>, public m3dGeomOpBaseC {
 public:
  m3dAnnotationSetC() = default;
  m3dAnnotationSetC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns),
        metaObjListObjectCommonBaseTemplateC<m3dAnnotationC>(root, owns),
        m3dGeomOpBaseC(root, owns) {}
};
