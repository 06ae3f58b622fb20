#include "draw2d/documents/m2dTextC.h"

#include "draw2d/shapes/mObjPoint2dC.h"
#include "core/pointNodeValues.h"

int m2dTextC::transform(const matrixC3x3<double>& matrix) {
  return transformNodePoint2d(findOrCreateChildByKeyword(mObjPoint2dC::classKey), matrix) ? 1 : 0;
}
