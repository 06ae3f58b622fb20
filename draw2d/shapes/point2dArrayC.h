// The paged arrays that shapes sample into and that the conversion of shapes works on: pages
// of 8 elements that never move, so an element stays put while more are appended.
#pragma once

#include <cstdint>

#include "geom/vectorC2d.h"
#include "memman/pageMemReserve.h"
#include "memman/pageMemT.h"

using point2dArrayC = pageMemT<vectorC2d<double>, 3>;
using intArrayC = pageMemT<int, 3>;

// Appends p at the end of points.
inline void appendPoint(point2dArrayC& points, const vectorC2d<double>& p) { *points.newElement() = p; }
