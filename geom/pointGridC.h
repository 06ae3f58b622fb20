// Points filed by the cells of a square grid, to find among many points those that may lie
// within a tolerance of a query point, each coordinate compared on its own (|px - qx| <=
// tolerance and |py - qy| <= tolerance), without comparing with each. The cell side is at
// least sixteen times the tolerance and large enough that the cell of every filed point is
// computed exactly, so each point within the tolerance of a query lies, rounding included, in
// the query's cell or, for a query near an edge, in the cell beyond that edge. A point with a
// coordinate that is not finite equals nothing under a finite tolerance and is not filed;
// under a tolerance that is not finite every point is a candidate of every query, as a plain
// scan would compare.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "geom/vectorC2d.h"

class pointGridC {
 public:
  // Files the points pointAt(0) to pointAt(count - 1), which are read twice; tolerance is the
  // largest that any comparison of a candidate will use. The table is first sized for about
  // sharedBy points in a cell (the two ends of curves meeting at a corner; 1 for points mostly
  // apart), which spares filing again in a table twice as large.
  template <class PointAt>
  pointGridC(uint32_t count, PointAt pointAt, double tolerance, uint32_t sharedBy = 2)
      : pointCount(count), sharing(std::max<uint32_t>(sharedBy, 1)) {
    double extent = 0.0;
    for (uint32_t i = 0; i < count; ++i) {
      const vectorC2d<double> p = pointAt(i);
      if (isFinitePoint(p)) extent = std::max({extent, std::fabs(p.x), std::fabs(p.y)});
    }
    if (!chooseSide(extent, tolerance)) return;
    std::vector<uint64_t>& keys = keyScratch(count);
    for (uint32_t i = 0; i < count; ++i) {
      const vectorC2d<double> p = pointAt(i);
      keys[i] = isFinitePoint(p) ? cellKey(cellOf(p.x / side), cellOf(p.y / side)) : unfiled;
    }
    file(keys);
  }
  pointGridC(const pointGridC&) = default;
  pointGridC(pointGridC&&) = default;
  pointGridC& operator=(const pointGridC&) = default;
  pointGridC& operator=(pointGridC&&) = default;
  // Hands the tables to the thread's spares, for the next grid.
  ~pointGridC();

  // The indices of the filed points that may lie within the tolerance of p, ascending: every
  // point that does is among them.
  void candidates(const vectorC2d<double>& p, std::vector<uint32_t>& out) const;

 private:
  // A cell holding points. One or two points are held in the slot itself, which a lookup
  // then reads alone: first is the point and end oneMark, or first and end are the two
  // points. More points are the run of entries from first without runMark to end. end
  // freeMark: a free slot. While filing, first is the head of the cell's chain and end its
  // point count (0: free).
  struct cellS {
    uint64_t key = 0;
    uint32_t first = 0;
    uint32_t end = 0;
  };
  static constexpr uint32_t freeMark = UINT32_MAX;
  static constexpr uint32_t oneMark = UINT32_MAX - 1;
  static constexpr uint32_t runMark = uint32_t(1) << 31;
  // The key of no cell.
  static constexpr uint64_t unfiled = UINT64_MAX;
  // Grids built one after another on a thread, such as the few of each chain a loop builds,
  // reuse these tables rather than have large ones handed back to the system and faulted in
  // again page by page.
  struct sparesS;
  static sparesS& spares();
  // The thread's key table, count long.
  static std::vector<uint64_t>& keyScratch(uint32_t count);
  // The cell side for points within extent of the origin; false when every point is a candidate.
  bool chooseSide(double extent, double tolerance);
  void file(const std::vector<uint64_t>& keys);
  // Filed points lie at most this many cells from the origin: their positions in cells, computed
  // with a relative error of 2^-53, are then off by less than 2^-22 of a cell.
  static constexpr double cellsToTheEdge = 1073741824.0;  // 2^30
  static uint64_t cellKey(int64_t column, int64_t row) {
    // Cells lie within 2^30 + 5 of the origin: offset by 2^31, each number fills 32 bits and
    // never reaches 2^32 - 1, which keeps the unfiled key apart.
    constexpr int64_t offset = int64_t(1) << 31;
    return (uint64_t(column + offset) << 32) | uint64_t(row + offset);
  }
  // The cell of a position measured in cells. A query far outside the filed points is clamped
  // to a cell none of them is near; the signs of positions follow no pattern, so neither the
  // clamp nor the rounding down branches.
  static int64_t cellOf(double position) {
    const double clamped = std::min(std::max(position, -cellsToTheEdge - 4), cellsToTheEdge + 4);
    const int64_t truncated = int64_t(clamped);
    return truncated - int64_t(double(truncated) > clamped);
  }
  const cellS* findCell(uint64_t key) const;

  std::vector<uint32_t> entries;  // the indices of the points of the cells of three or more, by cell, ascending in a cell
  std::vector<cellS> cells;       // open addressing, a power of two at least twice the cells held
  double side = 1.0;
  uint32_t pointCount = 0;
  uint32_t sharing = 2;  // points expected in a cell
  bool everyPoint = false;
};
