#include "model3d/base/frameGeometry.h"

#include <cmath>

namespace {

constexpr double parallelTolerance = 1e-10;

bool parallel(double dot, double lengthA, double lengthB) {
  const double lengths = lengthA * lengthB;
  if (!(lengths > 0.0) || !std::isfinite(lengths)) return false;
  return std::fabs(1.0 - std::fabs(dot) / lengths) <= parallelTolerance;
}

vectorC3d<double> column(const matrixC4x4<double>& frame, int first) {
  return vectorC3d<double>(frame.values[first], frame.values[first + 1], frame.values[first + 2]);
}

}  // namespace

int isMirroredFrame(const matrixC4x4<double>& frame) {
  const vectorC3d<double> normal = column(frame, 0).cross(column(frame, 4));
  const vectorC3d<double> z = column(frame, 8);
  return normal.x * z.x + normal.y * z.y + normal.z * z.z < 0.0 ? 1 : 0;
}

matrixC4x4<double> rightHandedFrame(const matrixC4x4<double>& frame) {
  matrixC4x4<double> result = frame;
  if (isMirroredFrame(frame))
    for (int n = 4; n < 7; ++n) result.values[n] = -result.values[n];
  return result;
}

bool isParallel2d(const vectorC2d<double>& a, const vectorC2d<double>& b) {
  return parallel(a.x * b.x + a.y * b.y, a.length(), b.length());
}

bool isParallel3d(const vectorC3d<double>& a, const vectorC3d<double>& b) {
  return parallel(a.x * b.x + a.y * b.y + a.z * b.z, a.length(), b.length());
}
