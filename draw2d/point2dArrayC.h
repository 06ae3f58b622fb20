// The paged arrays that shapes sample into and that the conversion of shapes works on: pages
// of 8 elements that never move, so an element stays put while more are appended.
#pragma once

#include <cstdint>

#include "geom/vectorC2d.h"
#include "memman/memManDataPoolC.h"
#include "memman/pageMemT.h"

using point2dArrayC = pageMemT<vectorC2d<double>, 3>;
using intArrayC = pageMemT<int, 3>;

// Makes room for count elements at once. The page table of a paged array otherwise grows by
// one page at a time, each step copying the whole table, which is quadratic for the million
// points a sampling may produce.
template <class T, int N>
void reservePageElements(pageMemT<T, N>& array, uint32_t count) {
  using pageT = typename pageMemT<T, N>::pageIC;
  const uint64_t pages = (uint64_t(count) >> N) + 1;
  if (pages <= array.pageCount) return;
  array.pageTable.resizeBytes(memManDataPoolC<pageT*>::bytesFor(pages));
  while (array.pageCount < pages) array.pageTable.data[array.pageCount++] = new pageT;
}

// Appends p at the end of points.
inline void appendPoint(point2dArrayC& points, const vectorC2d<double>& p) { *points.newElement() = p; }
