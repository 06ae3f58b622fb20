// A face annotation ("ANNOTATIONFACE"): one 3D point ("POINT3D"), scaled about the origin
// with its part. Transforming leaves it where it is (the generic body).
#pragma once

#include <cstdint>

#include "draw2d/shapes/mObjPoint3dC.h"
#include "model3d/annotations/m3dAnnotationC.h"

class m3dAnnotationFaceC : public m3dAnnotationC {
 public:
  static constexpr const char* classKey = "ANNOTATIONFACE";

  m3dAnnotationFaceC() = default;
  m3dAnnotationFaceC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dAnnotationC(root, owns) {}

  // Every number of "POINT3D" (created when missing) times the factor; none changes when a
  // product would not be finite.
  int scale(double factor) override;
  mObjPoint3dC getPoint();
};
