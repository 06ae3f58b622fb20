// A full ellipse ("ELLIPSE"): the centre, radii and turn of mBaseEllipseCore2dC.
#pragma once

#include <cstdint>

#include "draw2d/shapes/mBaseEllipseCore2dC.h"

class mBaseEllipse2dC : public mBaseEllipseCore2dC {
 public:
  static constexpr const char* classKey = "ELLIPSE";

  using mBaseEllipseCore2dC::mBaseEllipseCore2dC;
  mBaseEllipse2dC(const mBaseEllipse2dC& other) = default;
  mBaseEllipse2dC& operator=(const mBaseEllipse2dC& other) = default;

  // Moves the centre and turns ANGLE with the image of the RAD1 axis; the radii stay, also
  // under a matrix that scales. When that image has no direction (RAD1 0, a singular matrix)
  // ANGLE stays.
  int transform(const matrixC3x3<double>& matrix) override;
  // From parameter 0 counter-clockwise, closed by the point at 2 pi.
  int appendPoints(point2dArrayC& points, double step) override;
};
