#include "model3d/annotations/m3dAnnotationFaceC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/pointNodeValues.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dAnnotationFaceC, m3dGeomOpBaseC> annotationFaceRegistrar(geometricOp3dRegistry,
                                                                                m3dAnnotationFaceC::classKey, 5);

}  // namespace

int m3dAnnotationFaceC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  scaleNodeValues(getPoint().getNode(), factor);
  return 1;
}

mObjPoint3dC m3dAnnotationFaceC::getPoint() { return mObjPoint3dC(fieldNode(node, mObjPoint3dC::classKey), 0); }
