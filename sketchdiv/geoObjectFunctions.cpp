#include "sketchdiv/geoObjectFunctions.h"

#include <cmath>

#include "geom/lineGeometry2d.h"

int intersectLineCircle(const vectorC2d<double>& a, const vectorC2d<double>& b, const vectorC2d<double>& centre,
                        double radius, vectorC2d<double>& p1, vectorC2d<double>& p2) {
  const vectorC2d<double> foot = projectPointOnLine2d(centre, a, b);
  const double h = (foot - centre).length();
  if (h > radius) return 0;
  const vectorC2d<double> d = b - a;
  const double length = d.length();
  if (length == 0.0) return 0;
  const double s = std::sqrt(radius * radius - h * h);
  p1 = foot - d * s / length;
  p2 = foot + d * s / length;
  return 1;
}

void snapValue(double& value, double target, double tolerance) {
  if (std::fabs(target - value) <= tolerance) value = target;
}

int signOf(double v) {
  if (v < 0.0) return -1;
  if (v > 0.0) return 1;
  return 0;
}

bool isPresentPoint(const vectorC2d<double>& p) { return p.x != noPointMarker && p.y != noPointMarker; }

