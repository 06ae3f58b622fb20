// The box of a NURBS curve's or surface's control points, kept by their caches.
#pragma once

#include <cstdint>

#include "geom/vectorC3d.h"
#include "geom/vectorC4d.h"
#include "memman/pageMemT.h"

struct nurbBoundingBoxS {
  uint32_t valid = 0;
  vectorC3d<double> min;
  vectorC3d<double> max;
};

// The box of the points in 3D, starting from min (1e10, ...) and max (-1e10, ...); valid 1.
nurbBoundingBoxS boxOfControlPoints(const pageMemT<vectorC4d<double>, 3>& points);

// Whether the boxes meet, each axis widened by factor times the larger extent, at least 1e-6.
bool boxesOverlap(const nurbBoundingBoxS& a, const nurbBoundingBoxS& b, double factor);
