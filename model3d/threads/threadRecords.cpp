#include "model3d/threads/threadRecords.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "geom/pointGridC.h"
#include "geom/vectorC3d.h"
#include "model3d/base/frameGeometry.h"

namespace {

constexpr double pointTolerance = 1e-10;
constexpr double offAxisTolerance = 1e-6;
constexpr double noDistance = 1e8;

using lineListT = std::vector<threadLineDataC>;

bool samePoint(const vectorC2d<double>& a, const vectorC2d<double>& b) {
  return std::fabs(a.x - b.x) <= pointTolerance && std::fabs(a.y - b.y) <= pointTolerance;
}

double cross(const vectorC2d<double>& a, const vectorC2d<double>& b) { return a.x * b.y - a.y * b.x; }

// The distance of p from the infinite line through a and b.
double distanceFromLine(const vectorC2d<double>& p, const vectorC2d<double>& a, const vectorC2d<double>& b) {
  const vectorC2d<double> d = b - a;
  return std::fabs(cross(d, p - a)) / d.length();
}

vectorC3d<double> unit(vectorC3d<double> v) {
  const double length = v.length();
  return length > 0.0 ? vectorC3d<double>(v.x / length, v.y / length, v.z / length) : v;
}

// Joins touching collinear pieces: i, from the last down, goes into the first j (from the
// last down) that shares an end with it, by the first of four tests. The ends are filed in a
// grid, entry 2k holding the start of wall k and 2k + 1 its end; an end a join moves takes
// the value of an end of the wall that goes, so it takes that end's entry over.
void joinTouchingWalls(lineListT& walls) {
  const uint32_t n = uint32_t(walls.size());
  auto endAt = [&walls](uint32_t entry) { return entry & 1 ? walls[entry >> 1].end : walls[entry >> 1].start; };
  const pointGridC grid(2 * n, endAt, pointTolerance);
  constexpr uint32_t nobody = UINT32_MAX;
  // The wall end (2k or 2k + 1, as entries count) an entry holds, and the entry of each end.
  std::vector<uint32_t> holder(2 * size_t(n)), entryOf(2 * size_t(n));
  for (uint32_t entry = 0; entry < 2 * n; ++entry) holder[entry] = entryOf[entry] = entry;
  std::vector<bool> gone(n);
  std::vector<uint32_t> near, touching;
  for (int i = int(n) - 1; i >= 0; --i) {
    const threadLineDataC wall = walls[size_t(i)];
    touching.clear();
    for (const vectorC2d<double>& end : {wall.start, wall.end}) {
      grid.candidates(end, near);
      for (uint32_t entry : near)
        if (holder[entry] != nobody && int(holder[entry] >> 1) != i) touching.push_back(holder[entry] >> 1);
    }
    std::sort(touching.begin(), touching.end(), std::greater<uint32_t>());
    touching.erase(std::unique(touching.begin(), touching.end()), touching.end());
    for (uint32_t j : touching) {
      threadLineDataC& other = walls[j];
      // The end of other that may move (0 start, 1 end), and the end of the wall whose value
      // it takes, by the first test that holds.
      int moved, taken;
      bool moves;
      if (samePoint(wall.end, other.start)) {
        moved = 0, taken = 0, moves = !samePoint(wall.start, other.end);
      } else if (samePoint(wall.end, other.end)) {
        moved = 1, taken = 0, moves = !samePoint(wall.start, other.start);
      } else if (samePoint(wall.start, other.start)) {
        moved = 0, taken = 1, moves = !samePoint(wall.end, other.end);
      } else if (samePoint(wall.start, other.end)) {
        moved = 1, taken = 1, moves = !samePoint(wall.end, other.start);
      } else {
        continue;
      }
      const uint32_t ownStart = 2 * uint32_t(i);
      holder[entryOf[ownStart]] = holder[entryOf[ownStart + 1]] = nobody;
      if (moves) {
        (moved ? other.end : other.start) = taken ? wall.end : wall.start;
        const uint32_t end = 2 * j + uint32_t(moved);
        holder[entryOf[end]] = nobody;
        entryOf[end] = entryOf[ownStart + uint32_t(taken)];
        holder[entryOf[end]] = end;
      }
      gone[size_t(i)] = true;
      break;
    }
  }
  size_t kept = 0;
  for (size_t k = 0; k < n; ++k)
    if (!gone[k]) walls[kept++] = walls[k];
  walls.resize(kept);
}

struct axisS {
  vectorC2d<double> start;
  vectorC2d<double> end;
  vectorC2d<double> normal;
};

// The walls by the distance of their starts from the axis (the size of their offsets), to
// find partners at the same distance without comparing with every wall. Offsets that are not
// finite meet no partner test and are left out.
class wallsByDistanceC {
 public:
  wallsByDistanceC(const lineListT& walls, const axisS& axis) {
    for (size_t j = 0; j < walls.size(); ++j) {
      const double distance = std::fabs(offsetOf(walls[j], axis));
      if (std::isfinite(distance)) byDistance.push_back({distance, j});
    }
    std::sort(byDistance.begin(), byDistance.end());
  }
  static double offsetOf(const threadLineDataC& wall, const axisS& axis) {
    return (wall.start - axis.start).dot(axis.normal);
  }
  // The walls after i whose distance may lie within the tolerance of distance, ascending: a
  // window twice as wide holds every one that does, whatever the rounding.
  void candidates(size_t i, double distance, std::vector<size_t>& out) const {
    out.clear();
    if (!std::isfinite(distance)) return;
    auto first = std::lower_bound(byDistance.begin(), byDistance.end(),
                                  std::pair<double, size_t>(distance - 2 * offAxisTolerance, 0));
    for (; first != byDistance.end() && first->first <= distance + 2 * offAxisTolerance; ++first)
      if (first->second > i) out.push_back(first->second);
    std::sort(out.begin(), out.end());
  }

 private:
  std::vector<std::pair<double, size_t>> byDistance;
};

// The wall's partner across the axis at the same distance, joined to it by a step along the
// normal: the two ends so joined into ownEnd and partnerEnd, and the partner's other end. The
// first wall after i that is one, in list order.
bool findPartner(const lineListT& walls, const wallsByDistanceC& byDistance, size_t i, double offset,
                 const axisS& axis, vectorC2d<double>& ownEnd, vectorC2d<double>& partnerEnd,
                 vectorC2d<double>& partnerOther) {
  const threadLineDataC& wall = walls[i];
  std::vector<size_t> near;
  byDistance.candidates(i, std::fabs(offset), near);
  for (size_t j : near) {
    const threadLineDataC& other = walls[j];
    const double otherOffset = wallsByDistanceC::offsetOf(other, axis);
    if (!(offset * otherOffset < 0.0) || !(std::fabs(std::fabs(offset) - std::fabs(otherOffset)) <= offAxisTolerance))
      continue;
    const vectorC2d<double>* pairs[4][3] = {{&wall.start, &other.start, &other.end},
                                            {&wall.start, &other.end, &other.start},
                                            {&wall.end, &other.start, &other.end},
                                            {&wall.end, &other.end, &other.start}};
    for (const auto& pair : pairs) {
      if (!isParallel2d(*pair[0] - *pair[1], axis.normal)) continue;
      ownEnd = *pair[0];
      partnerEnd = *pair[1];
      partnerOther = *pair[2];
      return true;
    }
  }
  return false;
}

// The cosmetic line nearest beside the wall whose projection overlaps it: the feature
// diameter and its extent along dz from base, cut at the thread's length.
void matchCosmetic(cosThreadDataC& record, const threadLineDataC& wall, const lineListT& cosmetics, const axisS& axis,
                   const vectorC2d<double>& base, const vectorC2d<double>& dz) {
  const double length = (wall.end - wall.start).length();
  const vectorC2d<double> along = (wall.end - wall.start) / length;
  double best = noDistance;
  double diameter = 0.0;
  double start = 0.0;
  double extent = 0.0;
  for (const threadLineDataC& line : cosmetics) {
    const double t1 = (line.start - wall.start).dot(along);
    const double t2 = (line.end - wall.start).dot(along);
    if (!(std::fmax(t1, t2) > offAxisTolerance && std::fmin(t1, t2) < length - offAxisTolerance)) continue;
    const double distance = distanceFromLine(line.start, wall.start, wall.end);
    if (!(distance < best && distance > offAxisTolerance)) continue;
    best = distance;
    diameter = 2.0 * distanceFromLine(line.start, axis.start, axis.end);
    const double s1 = (line.start - base).dot(dz);
    const double s2 = (line.end - base).dot(dz);
    const double low = std::fmin(s1, s2);
    const double high = std::fmax(s1, s2);
    if (low >= 0.0) {
      start = low;
      extent = high - low;
    } else if (high > 0.0) {
      start = 0.0;
      extent = high;
    }
    if (start + extent > record.ThreadLen) extent = record.ThreadLen - start;
  }
  record.FeatureDia = diameter;
  record.featureEdgeStart = start;
  record.featureEdgeLen = extent;
}

void setPosition(cosThreadDataC& record, const matrixC4x4<double>& frame, const vectorC2d<double>& base,
                 const vectorC2d<double>& top, const vectorC2d<double>& radial) {
  const vectorC3d<double> t = frame.transformPoint2d(base);
  const vectorC3d<double> topPoint = frame.transformPoint2d(top);
  const vectorC3d<double> radialPoint = frame.transformPoint2d(radial);
  const vectorC3d<double> z = unit(vectorC3d<double>(topPoint.x - t.x, topPoint.y - t.y, topPoint.z - t.z));
  const vectorC3d<double> x = unit(vectorC3d<double>(radialPoint.x - t.x, radialPoint.y - t.y, radialPoint.z - t.z));
  const vectorC3d<double> y = z.cross(x);
  const vectorC3d<double> columns[4] = {x, y, z, t};
  for (int column = 0; column < 4; ++column) {
    record.ThreadPosition[4 * column] = columns[column].x;
    record.ThreadPosition[4 * column + 1] = columns[column].y;
    record.ThreadPosition[4 * column + 2] = columns[column].z;
    record.ThreadPosition[4 * column + 3] = column == 3 ? 1.0 : 0.0;
  }
}

}  // namespace

void buildThreadRecords(cosThreadListC& records, const matrixC4x4<double>& frame, const vectorC2d<double>& centreStart,
                        const vectorC2d<double>& centreEnd, const threadLineListC& walls, const threadLineListC& cosmetics) {
  const vectorC2d<double> axisDirection = centreEnd - centreStart;
  const double axisLength = axisDirection.length();
  if (!(axisLength > 0.0) || !std::isfinite(axisLength)) return;
  const vectorC2d<double> u = axisDirection / axisLength;
  const axisS axis{centreStart, centreEnd, u.perpendicular()};

  lineListT wallLines;
  lineListT cosmeticLines;
  for (uint32_t i = 0; i < walls.elementCount; ++i) {
    const threadLineDataC& line = walls[i];
    if (isParallel2d(line.end - line.start, u) && distanceFromLine(line.start, centreStart, centreEnd) >= offAxisTolerance)
      wallLines.push_back(line);
  }
  for (uint32_t i = 0; i < cosmetics.elementCount; ++i)
    if (isParallel2d(cosmetics[i].end - cosmetics[i].start, u)) cosmeticLines.push_back(cosmetics[i]);
  if (wallLines.empty()) return;
  joinTouchingWalls(wallLines);
  const wallsByDistanceC byDistance(wallLines, axis);

  for (size_t i = 0; i < wallLines.size(); ++i) {
    const threadLineDataC& wall = wallLines[i];
    const double offset = wallsByDistanceC::offsetOf(wall, axis);
    if (offset > 0.0) continue;
    vectorC2d<double> ownEnd, radial, far;
    vectorC2d<double> across;
    double diameter = 0.0;
    if (findPartner(wallLines, byDistance, i, offset, axis, ownEnd, radial, far)) {
      // The partner's end is the radial point; the step runs from it to the wall.
      across = ownEnd - radial;
      diameter = across.length();
    } else {
      diameter = 2.0 * std::fabs(offset);
      across = axis.normal * diameter;
      radial = wall.start;
      far = wall.end;
    }
    cosThreadDataC& record = *records.newElement();
    record.ThreadDia = diameter;
    record.ThreadLen = (wall.start - wall.end).length();
    const vectorC2d<double> base = radial + across * 0.5;
    const vectorC2d<double> top = far + across * 0.5;
    vectorC2d<double> dz = top - base;
    dz = dz / dz.length();
    setPosition(record, frame, base, top, radial);
    matchCosmetic(record, wall, cosmeticLines, axis, base, dz);
  }
}
