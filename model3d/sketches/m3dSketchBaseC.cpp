#include "model3d/sketches/m3dSketchBaseC.h"

#include <cmath>

#include "core/pointNodeValues.h"
#include "model3d/base/finiteValues.h"
#include "model3d/base/frameGeometry.h"

matrixC3x3<double> sketchMirror() {
  matrixC3x3<double> mirror;
  mirror.ident();
  mirror.values[4] = -1.0;
  return mirror;
}

matrixC4x4<double> m3dSketchBaseC::getMatrixValues() const { return readNodeMatrix4x4(findChild(mObjMat4x4C::classKey)); }

bool m3dSketchBaseC::transformedFrame(const matrixC4x4<double>& matrix, matrixC4x4<double>& frame) const {
  if (!isFiniteMatrix(matrix)) return false;
  frame = matrix * getMatrixValues();
  return isFiniteMatrix(frame);
}

int m3dSketchBaseC::scale(double factor) {
  if (!node || !std::isfinite(factor)) return 0;
  getMatrix().scaleTranslation(factor);
  if (hasCenterLine()) getCenterLine().scale(factor);
  getSketchOn().scale(factor);
  return 1;
}

int m3dSketchBaseC::transform(const matrixC4x4<double>& matrix) {
  matrixC4x4<double> frame;
  if (!node || !transformedFrame(matrix, frame)) return 0;
  if (isMirroredFrame(frame) && hasCenterLine()) getCenterLine().transform(sketchMirror());
  matrixC4x4<double> rightHanded = rightHandedFrame(frame);
  // A negated 0 is stored as 0.
  for (double& value : rightHanded.values) value += 0.0;
  getMatrix().setMatrix(rightHanded);
  return 1;
}
