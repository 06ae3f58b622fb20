#include "model3d/nurbs/nurbPointSearch.h"

#include <cmath>

#include "model3d/nurbs/nurbBoundingBoxS.h"
#include "model3d/nurbs/nurbVectorOps.h"

void nearestPoint(const pageMemT<vectorC3d<double>, 3>& points, const vectorC3d<double>& p, double& distance,
                  uint32_t& index, double stop) {
  double best = 1e10;
  for (uint32_t i = 0; i < points.elementCount; ++i) {
    const vectorC3d<double>& q = points[i];
    const double dx = q.x - p.x;
    double sum = dx * dx;
    if (!(sum < best)) continue;
    const double dy = q.y - p.y;
    sum += dy * dy;
    if (!(sum < best)) continue;
    const double dz = q.z - p.z;
    sum += dz * dz;
    if (!(sum < best)) continue;
    best = sum;
    index = i;
    if (best < stop) break;
  }
  distance = std::sqrt(best);
}

void fillBinomials(double* table, uint32_t size) {
  for (uint32_t i = 0; i < size; ++i) {
    for (uint32_t j = 0; j < size; ++j) table[i * size + j] = 0.0;
    table[i * size] = 1.0;
    for (uint32_t j = 1; j <= i; ++j) table[i * size + j] = table[(i - 1) * size + j - 1] + table[(i - 1) * size + j];
  }
}

void fillBinomials(doubleMatrixC& table, uint32_t size) {
  table.resize(size, size);
  if (size > 0) fillBinomials(table.data, size);
}

nurbBoundingBoxS boxOfControlPoints(const pageMemT<vectorC4d<double>, 3>& points) {
  nurbBoundingBoxS box;
  box.min = vectorC3d<double>(1e10, 1e10, 1e10);
  box.max = vectorC3d<double>(-1e10, -1e10, -1e10);
  for (uint32_t i = 0; i < points.elementCount; ++i) {
    const vectorC3d<double> p = toPoint3d(points[i]);
    box.min = vectorC3d<double>(std::fmin(box.min.x, p.x), std::fmin(box.min.y, p.y), std::fmin(box.min.z, p.z));
    box.max = vectorC3d<double>(std::fmax(box.max.x, p.x), std::fmax(box.max.y, p.y), std::fmax(box.max.z, p.z));
  }
  box.valid = 1;
  return box;
}

bool boxesOverlap(const nurbBoundingBoxS& a, const nurbBoundingBoxS& b, double factor) {
  const double minA[3] = {a.min.x, a.min.y, a.min.z};
  const double maxA[3] = {a.max.x, a.max.y, a.max.z};
  const double minB[3] = {b.min.x, b.min.y, b.min.z};
  const double maxB[3] = {b.max.x, b.max.y, b.max.z};
  for (int axis = 0; axis < 3; ++axis) {
    const double extent = std::fmax(maxA[axis] - minA[axis], maxB[axis] - minB[axis]);
    const double tolerance = std::fmax(factor * extent, 1e-6);
    if (minA[axis] - tolerance > maxB[axis] || maxA[axis] + tolerance < minB[axis]) return false;
  }
  return true;
}
