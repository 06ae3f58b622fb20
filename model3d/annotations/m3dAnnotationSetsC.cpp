#include "model3d/annotations/m3dAnnotationSetsC.h"

#include <cmath>

#include "core/keywordRegistrarT.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dAnnotationSetsC, m3dGeomOpBaseC> annotationSetsRegistrar(geometricOp3dRegistry,
                                                                                m3dAnnotationSetsC::classKey, 4);

}  // namespace

int m3dAnnotationSetsC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  scaleChildren(factor);
  return 1;
}
