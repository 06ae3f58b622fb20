// An elliptic arc ("ELLIPSEARC"): the ellipse of mBaseEllipseCore2dC from parameter angle
// "ANGLE1" counter-clockwise to "ANGLE2", both in degrees.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseEllipseCore2dC.h"

class mBaseEllipseArc2dC : public mBaseEllipseCore2dC {
 public:
  static constexpr const char* classKey = "ELLIPSEARC";

  using mBaseEllipseCore2dC::mBaseEllipseCore2dC;
  mBaseEllipseArc2dC(const mBaseEllipseArc2dC& other) = default;
  mBaseEllipseArc2dC& operator=(const mBaseEllipseArc2dC& other) = default;

  double getStartAngle() { return getDoubleAttribute("ANGLE1"); }
  double getEndAngle() { return getDoubleAttribute("ANGLE2"); }
  int setStartAngle(double degrees) { return putAttribute("ANGLE1", degrees); }
  int setEndAngle(double degrees) { return putAttribute("ANGLE2", degrees); }

  // The points of parameters ANGLE1 and ANGLE2.
  void getArcEndPoints(vectorC2d<double>& start, vectorC2d<double>& end);
  // ANGLE2 - ANGLE1 in degrees after raising ANGLE2 by turns to at least ANGLE1; 0.0 when an
  // angle is not finite.
  double getSweepAngle();

  // Centre and ANGLE as for the ellipse; ANGLE1 and ANGLE2 become the parameters of the images
  // of the arc's ends, swapped under a mirroring matrix so that the arc covers the image of
  // the same points. With RAD1 or RAD2 0 the parameters have no meaning and stay.
  int transform(const matrixC3x3<double>& matrix) override;
  // From ANGLE1 (taken a turn back when it lies above ANGLE2) to ANGLE2.
  int appendPoints(point2dArrayC& points, double step) override;
};
