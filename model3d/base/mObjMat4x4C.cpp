#include "model3d/base/mObjMat4x4C.h"

#include <cmath>

#include "core/metaObjListValContainerT.h"
#include "core/pointNodeValues.h"
#include "model3d/base/finiteValues.h"

matrixC4x4<double> mObjMat4x4C::getMatrix(uint32_t* found) const { return readNodeMatrix4x4(node, found); }

bool mObjMat4x4C::setMatrix(const matrixC4x4<double>& matrix) {
  if (!node || !isFiniteMatrix(matrix)) return false;
  metaObjListValContainerT<double>(node, 0).setValues(matrix.values, 16);
  return true;
}

void mObjMat4x4C::scaleTranslation(double factor) {
  matrixC4x4<double> matrix = getMatrix();
  for (int n = 12; n < 15; ++n) {
    const double scaled = matrix.values[n] * factor;
    if (std::isfinite(scaled)) matrix.values[n] = scaled;
  }
  setMatrix(matrix);
}
