#include "model3d/annotations/m3dAnnotationSetFaceC.h"

#include <cmath>

#include "core/keywordRegistrarT.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dAnnotationSetFaceC, m3dGeomOpBaseC> annotationSetFaceRegistrar(geometricOp3dRegistry,
                                                                                      m3dAnnotationSetFaceC::classKey, 5);

}  // namespace

int m3dAnnotationSetFaceC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  scaleChildren(factor);
  return 1;
}
