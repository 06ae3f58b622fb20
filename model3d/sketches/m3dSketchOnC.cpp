#include "model3d/sketches/m3dSketchOnC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "core/metaTreeC.h"
#include "core/pointNodeValues.h"
#include "core/propertyValuePut.h"
#include "model3d/base/finiteValues.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dSketchOnC, m3dGeomOpBaseC> sketchOnRegistrar(geometricOp3dRegistry, m3dSketchOnC::classKey, 4);

}  // namespace

int m3dSketchOnC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  if (isOnFace()) scaleNodeValues(getFace().getPoint().getNode(), factor);
  return 1;
}

int m3dSketchOnC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return 0;
  if (!isOnFace()) return 1;
  m3dSketchOnFaceC face = getFace();
  matrixC4x4<double> linear = matrix;
  for (int n = 12; n < 15; ++n) linear.values[n] = 0.0;
  transformNodePoint3d(face.getPoint().getNode(), matrix);
  transformNodePoint3d(face.getNormal().getNode(), linear);
  return 1;
}

str m3dSketchOnC::getOnPlaneName() const { return peekStringField(node, "PLANE"); }

void m3dSketchOnC::setOnPlane(const char* name) {
  if (!node) return;
  if (metaTreeC* face = findChild(m3dSketchOnFaceC::classKey)) {
    metaTreeC::unlink(face);
    metaTreeC::deleteTree(face);
    ++metaTreeChangeCounter;
  }
  putPropertyString(fieldNode(node, "PLANE"), name ? name : "");
}

vectorC3d<double> m3dSketchOnC::getOnFacePoint() {
  return isOnFace() ? getFace().getPoint().getPoint() : vectorC3d<double>(0.0, 0.0, 0.0);
}

vectorC3d<double> m3dSketchOnC::getOnFaceNormal() {
  return isOnFace() ? getFace().getNormal().getPoint() : vectorC3d<double>(0.0, 0.0, 0.0);
}
