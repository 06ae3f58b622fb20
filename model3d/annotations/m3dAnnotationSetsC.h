// The annotation sets of a part ("ANNOTATIONSETS"): every child a set, in order. Scaling
// scales each set as the class of its key word does; sets of other key words stay.
#pragma once

#include <cstdint>

#include "core/metaObjListObjectCommonBaseTemplateC.h"
#include "model3d/annotations/m3dAnnotationSetC.h"
#include "model3d/base/m3dGeomOpBaseC.h"

class m3dAnnotationSetsC : public metaObjListObjectCommonBaseTemplateC<m3dAnnotationSetC>, public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "ANNOTATIONSETS";

  m3dAnnotationSetsC() = default;
  m3dAnnotationSetsC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns),
        metaObjListObjectCommonBaseTemplateC<m3dAnnotationSetC>(root, owns),
        m3dGeomOpBaseC(root, owns) {}

  int scale(double factor) override;
};
