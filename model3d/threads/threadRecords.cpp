#include "model3d/threads/threadRecords.h"

#include <cmath>
#include <vector>

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
// last down) that shares an end with it, by the first of four tests.
void joinTouchingWalls(lineListT& walls) {
  for (int i = int(walls.size()) - 1; i >= 0; --i) {
    const threadLineDataC wall = walls[size_t(i)];
    for (int j = int(walls.size()) - 1; j >= 0; --j) {
      if (j == i) continue;
      threadLineDataC& other = walls[size_t(j)];
      bool joined = true;
      if (samePoint(wall.end, other.start)) {
        if (!samePoint(wall.start, other.end)) other.start = wall.start;
      } else if (samePoint(wall.end, other.end)) {
        if (!samePoint(wall.start, other.start)) other.end = wall.start;
      } else if (samePoint(wall.start, other.start)) {
        if (!samePoint(wall.end, other.end)) other.start = wall.end;
      } else if (samePoint(wall.start, other.end)) {
        if (!samePoint(wall.end, other.start)) other.end = wall.end;
      } else {
        joined = false;
      }
      if (joined) {
        walls.erase(walls.begin() + i);
        break;
      }
    }
  }
}

struct axisS {
  vectorC2d<double> start;
  vectorC2d<double> end;
  vectorC2d<double> normal;
};

// The wall's partner across the axis at the same distance, joined to it by a step along the
// normal: the two ends so joined into ownEnd and partnerEnd, and the partner's other end.
bool findPartner(const lineListT& walls, size_t i, double offset, const axisS& axis, vectorC2d<double>& ownEnd,
                 vectorC2d<double>& partnerEnd, vectorC2d<double>& partnerOther) {
  const threadLineDataC& wall = walls[i];
  for (size_t j = i + 1; j < walls.size(); ++j) {
    const threadLineDataC& other = walls[j];
    const double otherOffset = (other.start - axis.start).dot(axis.normal);
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

  for (size_t i = 0; i < wallLines.size(); ++i) {
    const threadLineDataC& wall = wallLines[i];
    const double offset = (wall.start - centreStart).dot(axis.normal);
    if (offset > 0.0) continue;
    vectorC2d<double> ownEnd, radial, far;
    vectorC2d<double> across;
    double diameter = 0.0;
    if (findPartner(wallLines, i, offset, axis, ownEnd, radial, far)) {
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
