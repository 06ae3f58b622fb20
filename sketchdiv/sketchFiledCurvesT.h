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
  // an equal curve starts at one of the other's ends.
  bool repeatsEarlier(uint32_t i, const std::vector<bool>& repeats) {
    for (const vectorC2d<double>& end : {list[i].getStartPoint(), list[i].getEndPoint()}) {
      lookUp(end);
      for (uint32_t entry : near) {
        const uint32_t k = entry >> 1;
        if (k >= i) break;
        if (!(entry & 1) && !repeats[k] && list[k].isEqual(&list[i])) return true;
      }
    }
    return false;
  }

  // The first curve not taken that starts (or ends) at p; null when none does.
  const Object* firstAt(const vectorC2d<double>& p, bool atStart) {
    if (taken.empty()) taken.resize(list.count());
    lookUp(p);
    for (uint32_t entry : near) {
      const uint32_t i = entry >> 1;
      if ((entry & 1) == uint32_t(atStart) || taken[i]) continue;
      if (atStart ? list[i].startsAt(p) : list[i].endsAt(p)) {
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

  // Appends copies of the curves from p to q, taken or not, in list order; whether there was any.
  bool between(const vectorC2d<double>& p, const vectorC2d<double>& q, sketchListT<Object>& out) {
    const uint32_t before = out.count();
    lookUp(p);
    for (uint32_t entry : near) {
      const uint32_t i = entry >> 1;
      if (!(entry & 1) && list[i].startsAt(p) && list[i].endsAt(q)) out.append(list[i]);
    }
    return out.count() > before;
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
  // The candidates of p into near; the walk and the chain look up the same point in turn.
  void lookUp(const vectorC2d<double>& p) {
    if (looked && std::memcmp(&p.x, &lastLooked.x, sizeof(double)) == 0 &&
        std::memcmp(&p.y, &lastLooked.y, sizeof(double)) == 0)
      return;
    grid.candidates(p, near);
    lastLooked = p;
    looked = true;
  }

  const sketchListT<Object>& list;
  pointGridC grid;
  std::vector<uint32_t> near;
  vectorC2d<double> lastLooked;
  bool looked = false;
  std::vector<bool> taken;
  uint32_t lastFound = UINT32_MAX;
};
