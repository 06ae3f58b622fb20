// A part's cosmetic sketches ("COSDRAW"): its "COSSKETCH" children.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/threads/m3dCosSketchC.h"

class m3dCosmeticDrawsC : public metaObjKeyContainerTemplateC<m3dCosSketchC>, public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "COSDRAW";

  m3dCosmeticDrawsC() = default;
  m3dCosmeticDrawsC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns),
        metaObjKeyContainerTemplateC<m3dCosSketchC>(root, owns),
        m3dGeomOpBaseC(root, owns) {}

  uint32_t getCount() { return metaObjKeyContainerTemplateC<m3dCosSketchC>::getCount(); }
  m3dCosSketchC itemAt(int index) { return getItem(index); }
  // The first cosmetic sketch whose "NAME" is name, byte for byte; an empty view when none.
  m3dCosSketchC findByName(const char* name);
  // Scales every cosmetic sketch.
  void scaleCosmeticSketches(double factor) { scaleChildren(factor, m3dCosSketchC::classKey); }
};
