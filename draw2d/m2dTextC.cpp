#include "draw2d/m2dTextC.h"

#include "draw2d/mObjPoint2dC.h"
#include "draw2d/pointNodeValues.h"

int m2dTextC::transform(const matrixC3x3<double>& matrix) {
  return transformNodePoint2d(findOrCreateChildByKeyword(mObjPoint2dC::classKey), matrix) ? 1 : 0;
}
