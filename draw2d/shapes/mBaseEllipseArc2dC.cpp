#include "draw2d/shapes/mBaseEllipseArc2dC.h"

#include <cmath>
#include <utility>

#include "geom/angleTurns.h"
#include "geom/planeGeometry2d.h"
#include "draw2d/shapes/shapeSampling.h"

void mBaseEllipseArc2dC::getArcEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) {
  const ellipseFrameS frame = getFrame();
  start = frame.at(getStartAngle() / 180.0 * pi);
  end = frame.at(getEndAngle() / 180.0 * pi);
}

double mBaseEllipseArc2dC::getSweepAngle() {
  const double start = getStartAngle();
  const double end = getEndAngle();
  if (!std::isfinite(start) || !std::isfinite(end)) return 0.0;
  return raiseDegreesByTurns(end, start, false) - start;
}

int mBaseEllipseArc2dC::transform(const matrixC3x3<double>& matrix) {
  const vectorC2d<double> centre = matrix.transformPoint2d(getMiddlePoint());
  if (!isFinitePoint(centre)) return 0;
  const double major = getMajorRad();
  const double minor = getMinorRad();
  vectorC2d<double> majorEnd;
  vectorC2d<double> minorEnd;
  getAxisPoints(majorEnd, minorEnd);
  vectorC2d<double> start;
  vectorC2d<double> end;
  getArcEndPoints(start, end);
  double angle = getAngle();
  const bool turned = directionAngle(matrix.transformPoint2d(majorEnd) - centre, angle);

  // The images of the ends in the frame of the new axes, divided by the old radii: their
  // directions are the new parameter angles.
  double startAngle = getStartAngle();
  double endAngle = getEndAngle();
  bool hasParameters = major != 0.0 && minor != 0.0;
  if (hasParameters) {
    const matrix2x2S back = rotationMatrix2x2(-angle);
    vectorC2d<double> localStart = matrixC2x2MulVec(back, matrix.transformPoint2d(start) - centre);
    vectorC2d<double> localEnd = matrixC2x2MulVec(back, matrix.transformPoint2d(end) - centre);
    localStart.x /= major;
    localStart.y /= minor;
    localEnd.x /= major;
    localEnd.y /= minor;
    hasParameters = directionAngle(localStart, startAngle) && directionAngle(localEnd, endAngle);
  }
  // A mirror reverses the sense of the parameter: the arc from the start's image
  // counter-clockwise to the end's would cover the other part of the ellipse.
  const double* m = matrix.values;
  if (hasParameters && m[0] * m[4] - m[3] * m[1] < 0.0) std::swap(startAngle, endAngle);

  if (turned) setAngle(angle);
  writeNodePoint2d(centreNode(), centre);
  if (hasParameters) {
    setStartAngle(startAngle);
    setEndAngle(endAngle);
  }
  return 1;
}

int mBaseEllipseArc2dC::appendPoints(point2dArrayC& points, double step) {
  points.elementCount = 0;
  const ellipseFrameS frame = getFrame();
  double start = getStartAngle() / 180.0 * pi;
  const double end = getEndAngle() / 180.0 * pi;
  if (start > end) start -= twoPi;
  sampleSpan(points, start, end, step, [&frame](double t) { return frame.at(t); });
  return int(points.elementCount);
}
