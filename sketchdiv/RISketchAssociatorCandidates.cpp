// The candidate neighbours of each piece: a sweep along the axis on which the pieces spread
// most, over their extents widened beyond what the reach test lets pass, so that every pair
// the test would keep is found (and tested exactly afterwards) while pieces far apart along
// the sweep never meet.
#include <algorithm>
#include <cmath>

#include "sketchdiv/RISketchAssociator.h"

namespace {

struct spanS {
  double low;
  double high;
};

// Wider than the reach test on either side: twice the reach, and a margin for the rounding of
// the test's sums. Values that overflow widen to infinity, which only adds candidates.
spanS widened(double min, double max, double reach) {
  const double margin = 2.0 * reach + 1e-9 * (std::fabs(min) + std::fabs(max) + reach) + 1e-300;
  return {min - margin, max + margin};
}

bool overlap(const spanS& a, const spanS& b) { return !(a.high < b.low) && !(b.high < a.low); }

}  // namespace

std::vector<std::vector<uint32_t>> RISketchAssociator::candidateNeighbours(const sketchListT<edgeExtentS>& extents) {
  const uint32_t n = extents.count();
  std::vector<std::vector<uint32_t>> candidates(n);
  // Pieces without edges (marked by a negative reach) meet nobody; pieces whose reach or box
  // is not finite may meet everybody.
  std::vector<uint32_t> everywhere;
  std::vector<uint32_t> placed;
  std::vector<spanS> across(n);
  std::vector<spanS> upward(n);
  double lowX = HUGE_VAL, highX = -HUGE_VAL, lowY = HUGE_VAL, highY = -HUGE_VAL;
  for (uint32_t i = 0; i < n; ++i) {
    const edgeExtentS& e = extents[i];
    if (e.reach < 0.0) continue;
    const bool finite = std::isfinite(e.reach) && std::isfinite(e.box.minX) && std::isfinite(e.box.maxX) &&
                        std::isfinite(e.box.minY) && std::isfinite(e.box.maxY);
    if (!finite) {
      everywhere.push_back(i);
      continue;
    }
    placed.push_back(i);
    across[i] = widened(e.box.minX, e.box.maxX, e.reach);
    upward[i] = widened(e.box.minY, e.box.maxY, e.reach);
    lowX = std::fmin(lowX, e.box.minX + e.box.maxX);
    highX = std::fmax(highX, e.box.minX + e.box.maxX);
    lowY = std::fmin(lowY, e.box.minY + e.box.maxY);
    highY = std::fmax(highY, e.box.minY + e.box.maxY);
  }
  // Sweep along the axis on which the centres spread most; the other axis filters.
  const bool alongX = !(highY - lowY > highX - lowX);
  const std::vector<spanS>& sweep = alongX ? across : upward;
  const std::vector<spanS>& other = alongX ? upward : across;
  std::sort(placed.begin(), placed.end(), [&sweep](uint32_t a, uint32_t b) {
    return sweep[a].low < sweep[b].low || (sweep[a].low == sweep[b].low && a < b);
  });
  std::vector<uint32_t> active;
  for (const uint32_t i : placed) {
    // Spans that end before this one starts end before every later one starts too.
    active.erase(std::remove_if(active.begin(), active.end(),
                                [&](uint32_t k) { return sweep[k].high < sweep[i].low; }),
                 active.end());
    for (const uint32_t k : active) {
      if (!overlap(other[i], other[k])) continue;
      candidates[i].push_back(k);
      candidates[k].push_back(i);
    }
    active.push_back(i);
  }
  for (const uint32_t i : everywhere)
    for (uint32_t k = 0; k < n; ++k) {
      if (k == i || extents[k].reach < 0.0) continue;
      candidates[i].push_back(k);
      candidates[k].push_back(i);
    }
  for (std::vector<uint32_t>& list : candidates) {
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
  }
  return candidates;
}
