// A list's curves with both ends filed in one grid (pointGridC; entry 2i is the start
// of curve i, 2i + 1 its end), for the lookups by point of the chain builder. Each lookup
// answers what a scan of the list in list order answers, comparing with each curve's own
// tolerance; a loop of N curves then costs about N lookups of a few candidates each.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "geom/pointGridC.h"
#include "sketchdiv/IRIBaseGeoObject.h"
#include "sketchdiv/sketchListT.h"

template <class Object>
class sketchFiledCurvesT {
 public:
  explicit sketchFiledCurvesT(const sketchListT<Object>& list)
      : list(list), grid(2 * list.count(), endAt(list), largestTolerance(list)) {}

  // Whether an earlier curve not marked in repeats equals curve i (isEqual of the earlier one):
  // a curve equal to curve i has its start or its end at i's start.
  bool repeatsEarlier(uint32_t i, const std::vector<bool>& repeats) {
    uint32_t tried = UINT32_MAX;
    for (uint32_t entry : lookUp(list[i].getStartPoint()).near) {
      const uint32_t k = entry >> 1;
      if (k >= i) break;
      if (k == tried || repeats[k]) continue;
      tried = k;
      if (list[k].isEqual(&list[i])) return true;
    }
    return false;
  }

  // The first curve not taken that starts (or ends) at p; null when none does. A candidate
  // passed over once stays passed over, as curves are taken and never given back, so the
  // look-up resumes where the last one at p found its curve: a walk through a point where a
  // stack of many curves meets then reads their ends about once.
  const Object* firstAt(const vectorC2d<double>& p, bool atStart) {
    if (taken.empty()) taken.resize(list.count());
    lookS& look = lookUp(p);
    const std::vector<uint32_t>& near = look.near;
    uint32_t& resume = look.resume[atStart];
    for (; resume < near.size(); ++resume) {
      const uint32_t entry = near[resume];
      const uint32_t i = entry >> 1;
      if (((entry & 1) == uint32_t(atStart)) | taken[i]) continue;
      if (liesAt(entry, p)) {
        lastFound = i;
        return &list[i];
      }
    }
    return nullptr;
  }
  // Marks the curve firstAt gave last as taken, if it is this object.
  bool take(const IRIBaseGeoObject* object) {
    if (lastFound >= list.count() || object != &list[lastFound]) return false;
    taken[lastFound] = true;
    return true;
  }

  // The number of curves from p to q, taken or not; first receives the index of the first of
  // them in list order.
  uint32_t between(const vectorC2d<double>& p, const vectorC2d<double>& q, uint32_t& first) {
    uint32_t count = 0;
    for (uint32_t entry : lookUp(p).near) {
      // A start entry of a curve that starts at p and ends at q, tested without a branch.
      const uint32_t fromPToQ = (~entry & 1) & uint32_t(liesAt(entry, p)) & uint32_t(liesAt(entry | 1, q));
      if (!fromPToQ) continue;
      if (count++ == 0) first = entry >> 1;
    }
    return count;
  }

 private:
  static auto endAt(const sketchListT<Object>& list) {
    return [&list](uint32_t entry) {
      const Object& curve = list[entry >> 1];
      return entry & 1 ? curve.getEndPoint() : curve.getStartPoint();
    };
  }
  // The largest tolerance of the curves; infinite when one is not finite, so that every curve
  // is a candidate of every lookup, as in a scan.
  static double largestTolerance(const sketchListT<Object>& list) {
    double largest = 0.0;
    for (uint32_t i = 0; i < list.count(); ++i) {
      const double tolerance = list[i].getTolerance();
      if (!std::isfinite(tolerance)) return HUGE_VAL;
      largest = std::max(largest, tolerance);
    }
    return largest;
  }
  // Whether the end entry lies at p: startsAt or endsAt of its curve, inline and testing both
  // coordinates without a branch, as whether candidates match follows no pattern.
  bool liesAt(uint32_t entry, const vectorC2d<double>& p) const {
    const Object& curve = list[entry >> 1];
    const vectorC2d<double> end = entry & 1 ? curve.getEndPoint() : curve.getStartPoint();
    const double tolerance = curve.getTolerance();
    return (int(std::fabs(end.x - p.x) <= tolerance) & int(std::fabs(end.y - p.y) <= tolerance)) != 0;
  }
  // The same bits.
  static bool samePoint(const vectorC2d<double>& p, const vectorC2d<double>& q) {
    uint64_t bits[4];
    std::memcpy(&bits[0], &p.x, sizeof(double));
    std::memcpy(&bits[1], &p.y, sizeof(double));
    std::memcpy(&bits[2], &q.x, sizeof(double));
    std::memcpy(&bits[3], &q.y, sizeof(double));
    return ((bits[0] ^ bits[2]) | (bits[1] ^ bits[3])) == 0;
  }
  struct lookS {
    vectorC2d<double> point;
    std::vector<uint32_t> near;
    // Where firstAt goes on for ends (0) and starts (1): the candidates before it are taken
    // or do not lie at the point.
    uint32_t resume[2] = {0, 0};
    bool valid = false;
  };
  // The candidates of p. The last two points looked up are kept: the walk asks for starts and
  // ends at one point, and the chain asks at each vertex and, for a curve the other way round,
  // at the next one.
  // Whether a point was looked up last follows no pattern: the test takes one branch.
  lookS& lookUp(const vectorC2d<double>& p) {
    const bool atFirst = looks[0].valid & samePoint(p, looks[0].point);
    const bool atSecond = looks[1].valid & samePoint(p, looks[1].point);
    if (atFirst | atSecond) return looks[atFirst ? 0 : 1];
    lookS& older = looks[olderLook];
    olderLook ^= 1;
    grid.candidates(p, older.near);
    older.point = p;
    older.resume[0] = older.resume[1] = 0;
    older.valid = true;
    return older;
  }

  const sketchListT<Object>& list;
  pointGridC grid;
  lookS looks[2];
  int olderLook = 0;
  std::vector<bool> taken;
  uint32_t lastFound = UINT32_MAX;
};
