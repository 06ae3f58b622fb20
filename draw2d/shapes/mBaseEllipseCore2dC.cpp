#include "draw2d/shapes/mBaseEllipseCore2dC.h"

#include <cmath>

#include "core/propertyValuePut.h"

int mBaseEllipseCore2dC::putAttribute(const char* key, double value) {
  if (!node || !std::isfinite(value)) return 0;
  putPropertyDouble(attributeNode(key), value);
  return 1;
}

void mBaseEllipseCore2dC::getAxisPoints(vectorC2d<double>& major, vectorC2d<double>& minor) {
  const vectorC2d<double> centre = getMiddlePoint();
  vectorC2d<double> u;
  vectorC2d<double> v;
  getAxisVectors(u, v);
  major = centre + u;
  minor = centre + v;
}

void mBaseEllipseCore2dC::getAxisVectors(vectorC2d<double>& major, vectorC2d<double>& minor) {
  const matrix2x2S rotation = rotationMatrix2x2(getAngle());
  major = matrixC2x2MulVec(rotation, vectorC2d<double>(getMajorRad(), 0.0));
  minor = matrixC2x2MulVec(rotation, vectorC2d<double>(0.0, getMinorRad()));
}

double mBaseEllipseCore2dC::getRadiusRatio() { return getMajorRad() / getMinorRad(); }

ellipseFrameS mBaseEllipseCore2dC::getFrame() {
  return ellipseFrameS{getMiddlePoint(), rotationMatrix2x2(getAngle()), getMajorRad(), getMinorRad()};
}

int mBaseEllipseCore2dC::scale(double factor) {
  metaTreeC* centre = centreNode();
  const double major = getMajorRad() * factor;
  const double minor = getMinorRad() * factor;
  if (!nodeValuesScalable(centre, factor) || !std::isfinite(major) || !std::isfinite(minor)) return 0;
  scaleNodeValues(centre, factor);
  setMajorRad(major);
  setMinorRad(minor);
  return 1;
}
