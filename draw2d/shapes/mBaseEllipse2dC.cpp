#include "draw2d/shapes/mBaseEllipse2dC.h"

#include "geom/planeGeometry2d.h"
#include "draw2d/shapes/shapeSampling.h"

int mBaseEllipse2dC::transform(const matrixC3x3<double>& matrix) {
  const vectorC2d<double> centre = matrix.transformPoint2d(getMiddlePoint());
  if (!isFinitePoint(centre)) return 0;
  vectorC2d<double> major;
  vectorC2d<double> minor;
  getAxisPoints(major, minor);
  double angle;
  const bool turned = directionAngle(matrix.transformPoint2d(major) - centre, angle);
  writeNodePoint2d(centreNode(), centre);
  if (turned) setAngle(angle);
  return 1;
}

int mBaseEllipse2dC::appendPoints(point2dArrayC& points, double step) {
  points.elementCount = 0;
  const ellipseFrameS frame = getFrame();
  sampleSpan(points, 0.0, twoPi, step, [&frame](double t) { return frame.at(t); });
  return int(points.elementCount);
}
