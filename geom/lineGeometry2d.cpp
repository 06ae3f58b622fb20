#include "geom/lineGeometry2d.h"

vectorC2d<double> projectPointOnLine2d(const vectorC2d<double>& p, const vectorC2d<double>& a,
                                       const vectorC2d<double>& b) {
  // A zero direction keeps its length 0 through setLength, so t is 0 and the foot is a.
  vectorC2d<double> direction = b - a;
  direction.setLength(1.0);
  const vectorC2d<double> offset = p - a;
  const double t = offset.x * direction.x + offset.y * direction.y;
  return vectorC2d<double>(a.x + t * direction.x, a.y + t * direction.y);
}

double pointLineDistance2d(const vectorC2d<double>& p, const vectorC2d<double>& a, const vectorC2d<double>& b) {
  return (p - projectPointOnLine2d(p, a, b)).length();
}
