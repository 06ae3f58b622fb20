#include "sketchdiv/sketchPointList.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double coincidence = 0.0001;

template <class Key>
void shellSort(sketchPointList& points, Key key) {
  const uint32_t n = points.count();
  if (n == 0) return;
  uint32_t h = 1;
  while (h < n / 9) h = 3 * h + 1;
  for (; h > 0; h /= 3) {
    for (uint32_t i = h; i < n; ++i) {
      const vectorC2d<double> moving = points[i];
      uint32_t j = i;
      while (j >= h && key(points[j - h]) > key(moving)) {
        points[j] = points[j - h];
        j -= h;
      }
      points[j] = moving;
    }
  }
}

}  // namespace

bool pointsEqual(const vectorC2d<double>& p, const vectorC2d<double>& q, double tolerance) {
  return std::fabs(p.x - q.x) <= tolerance && std::fabs(p.y - q.y) <= tolerance;
}

bool pointsCoincide(const vectorC2d<double>& p, const vectorC2d<double>& q) { return pointsEqual(p, q, coincidence); }

// Compacting in one pass keeps exactly the points that removing, for each survivor in turn,
// its later coinciding points would keep.
void removeCoincidentPoints(sketchPointList& points) {
  uint32_t kept = 0;
  for (uint32_t i = 0; i < points.count(); ++i) {
    bool repeat = false;
    for (uint32_t k = 0; k < kept && !repeat; ++k) repeat = pointsCoincide(points[k], points[i]);
    if (!repeat) points[kept++] = points[i];
  }
  points.shrinkBy(points.count() - kept);
}

void sortPointsByY(sketchPointList& points) {
  shellSort(points, [](const vectorC2d<double>& p) { return p.y; });
}

void sortPointsByX(sketchPointList& points) {
  shellSort(points, [](const vectorC2d<double>& p) { return p.x; });
}

void removeMatchingPoints(const sketchPointList& a, sketchPointList& b) {
  uint32_t kept = 0;
  for (uint32_t i = 0; i < b.count(); ++i) {
    bool matched = false;
    for (uint32_t k = 0; k < a.count() && !matched; ++k) matched = pointsCoincide(a[k], b[i]);
    if (!matched) b[kept++] = b[i];
  }
  b.shrinkBy(b.count() - kept);
}
