#include "geom/solve2x2.h"

#include <cmath>

int solve2x2(const double m[4], const double b[2], double x[2], double eps) {
  double det = m[0] * m[3] - m[2] * m[1];
  if (std::fabs(det) < eps) return 0;
  x[0] = (b[0] * m[3] - m[2] * b[1]) / det;
  x[1] = (m[0] * b[1] - b[0] * m[1]) / det;
  for (int i = 0; i < 2; ++i)
    if (std::fabs(x[i]) < eps) x[i] = 0.0;
  return 1;
}
