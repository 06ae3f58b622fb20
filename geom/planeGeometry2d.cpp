#include "geom/planeGeometry2d.h"

#include <cmath>

#include "geom/degreesToRadians.h"

uint32_t intersectLines2d(const vectorC2d<double>& p0, const vectorC2d<double>& p1, const vectorC2d<double>& q0,
                          const vectorC2d<double>& q1, vectorC2d<double>& out) {
  const vectorC2d<double> d1 = p1 - p0;
  const vectorC2d<double> d2 = q1 - q0;
  const vectorC2d<double> w = q0 - p0;
  const double c = d1.x * d2.y - d1.y * d2.x;
  if (c == 0.0) return 0;
  const double t = (w.x * d2.y - w.y * d2.x) / c;
  const vectorC2d<double> meeting = p0 + d1 * t;
  // Nearly parallel lines meet beyond the double range (or NaN came in): no point to give.
  if (!isFinitePoint(meeting)) return 0;
  out = meeting;
  return 1;
}

bool circleCentreFrom3Points(const vectorC2d<double>& p0, const vectorC2d<double>& p1, const vectorC2d<double>& p2,
                             vectorC2d<double>& out) {
  const vectorC2d<double> d1 = p1 - p0;
  const vectorC2d<double> d2 = p1 - p2;
  const vectorC2d<double> m1 = p0 + d1 * 0.5;
  const vectorC2d<double> m2 = p2 + d2 * 0.5;
  const vectorC2d<double> q1(-d1.y, d1.x);
  const vectorC2d<double> q2(-d2.y, d2.x);
  return intersectLines2d(m1, m1 + q1, m2, m2 + q2, out) != 0;
}

void copyToVector2d(const double* values, int n, vectorC2d<double>& v) {
  if (!values) return;
  if (n > 0) v.x = values[0];
  if (n > 1) v.y = values[1];
}

vectorC2d<double> matrixC2x2MulVec(const matrix2x2S& m, const vectorC2d<double>& v) {
  return vectorC2d<double>(m[0] * v.x + m[2] * v.y, m[1] * v.x + m[3] * v.y);
}

matrix2x2S rotationMatrix2x2(double degrees) {
  const double w = degreesToRadians(degrees);
  const double c = std::cos(w);
  const double s = std::sin(w);
  return {c, s, -s, c};
}

bool directionAngle(const vectorC2d<double>& d, double& angle) {
  if (!isFinitePoint(d) || (d.x == 0.0 && d.y == 0.0)) return false;
  angle = vectorC2d<double>(1.0, 0.0).angleTo(d);
  return true;
}
