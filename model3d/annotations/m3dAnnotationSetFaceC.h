// A set of face annotations ("ANNOTATIONSETFACE"): scaling scales each child as the class of
// its key word does (faces, and sets nested in the set); other children stay as they are.
#pragma once

#include <cstdint>

#include "model3d/annotations/m3dAnnotationSetC.h"

class m3dAnnotationSetFaceC : public m3dAnnotationSetC {
 public:
  static constexpr const char* classKey = "ANNOTATIONSETFACE";

  m3dAnnotationSetFaceC() = default;
  m3dAnnotationSetFaceC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dAnnotationSetC(root, owns) {}

  int scale(double factor) override;
};
