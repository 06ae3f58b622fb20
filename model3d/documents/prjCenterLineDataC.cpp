#include "model3d/documents/prjCenterLineDataC.h"

#include <cmath>

namespace {

constexpr double acrossTolerance = 1e-8;
constexpr double alongLimit = 0.99999999;

}  // namespace

int prjCenterLineDataC::classify(const matrixC4x4<double>& view) {
  vectorC3d<double> direction(end.x - start.x, end.y - start.y, end.z - start.z);
  const double length = direction.length();
  if (!(length > 0.0) || !std::isfinite(length)) return 0;
  direction.setLength(1.0);
  const vectorC3d<double> z = view.getZ();
  const double cosine = direction.x * z.x + direction.y * z.y + direction.z * z.z;
  if (std::fabs(cosine) < acrossTolerance) {
    kind = 2;
    return 1;
  }
  if (std::fabs(cosine) > alongLimit) {
    kind = 1;
    return 1;
  }
  return 0;
}
