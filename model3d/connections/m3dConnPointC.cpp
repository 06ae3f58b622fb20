#include "model3d/connections/m3dConnPointC.h"

#include <cmath>

#include "core/keyNodeField.h"
#include "core/keywordRegistrarT.h"
#include "model3d/base/finiteValues.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/modelRegistries.h"

namespace {

keywordRegistrarT<m3dConnPointC, m3dGeomOpBaseC> connPointRegistrar(geometricOp3dRegistry, m3dConnPointC::classKey, 4);

}  // namespace

int m3dConnPointC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  getMatrix().scaleTranslation(factor);
  return 1;
}

int m3dConnPointC::transform(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return 0;
  return getMatrix().setMatrix(rightHandedFrame(matrix * getFrame())) ? 1 : 0;
}

str m3dConnPointC::getName() { return getStringField(node, "NAME"); }

mObjMat4x4C m3dConnPointC::getMatrix() { return mObjMat4x4C(fieldNode(node, mObjMat4x4C::classKey), 0); }

matrixC4x4<double> m3dConnPointC::getFrame() { return getMatrix().getMatrix(); }

bool m3dConnPointC::setFrame(const matrixC4x4<double>& frame) { return getMatrix().setMatrix(frame); }
