// Searches over sampled points and the binomial tables of the NURBS evaluators.
#pragma once

#include <cstdint>

#include "geom/doubleMatrixC.h"
#include "geom/vectorC3d.h"
#include "memman/pageMemT.h"

// The index of the point nearest to p, with early outs per coordinate; the search ends at the
// first point whose squared distance falls below stop. distance is the square root of the best
// squared distance, which starts at 1e10: an empty list (or none nearer) gives 1e5 and leaves
// index as it was.
void nearestPoint(const pageMemT<vectorC3d<double>, 3>& points, const vectorC3d<double>& p, double& distance,
                  uint32_t& index, double stop);

// Pascal's triangle into a size x size table held by rows (C(i, j) at i * size + j, 0 where
// j > i).
void fillBinomials(double* table, uint32_t size);

// The same into a matrix, resized to size x size.
void fillBinomials(doubleMatrixC& table, uint32_t size);
