// The thread computation joins touching walls and finds partners through indexes of the
// walls' ends and distances. Its threads must be what the plain scans gave: the reference
// below is that joining and partner search, compared over random walls that touch, overlap,
// repeat and mirror each other within and just beyond the tolerances.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "model3d/base/frameGeometry.h"
#include "model3d/threads/threadRecords.h"

namespace {

using point = vectorC2d<double>;
using wallsT = std::vector<threadLineDataC>;

namespace reference {

bool samePoint(const point& a, const point& b) { return std::fabs(a.x - b.x) <= 1e-10 && std::fabs(a.y - b.y) <= 1e-10; }

void joinTouchingWalls(wallsT& walls) {
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

// Length, diameter and base point of each thread, as the scans find walls and partners.
std::vector<double> threads(const wallsT& input, const point& axisStart, const point& axisEnd) {
  const point u = (axisEnd - axisStart) / (axisEnd - axisStart).length();
  const point normal = u.perpendicular();
  wallsT walls;
  for (const threadLineDataC& line : input) {
    const point d = axisEnd - axisStart;
    const double distance = std::fabs(d.x * (line.start - axisStart).y - d.y * (line.start - axisStart).x) / d.length();
    if (isParallel2d(line.end - line.start, u) && distance >= 1e-6) walls.push_back(line);
  }
  joinTouchingWalls(walls);
  std::vector<double> numbers;
  for (size_t i = 0; i < walls.size(); ++i) {
    const threadLineDataC& wall = walls[i];
    const double offset = (wall.start - axisStart).dot(normal);
    if (offset > 0.0) continue;
    point radial = wall.start, across = normal * (2.0 * std::fabs(offset));
    double diameter = 2.0 * std::fabs(offset);
    for (size_t j = i + 1; j < walls.size(); ++j) {
      const threadLineDataC& other = walls[j];
      const double otherOffset = (other.start - axisStart).dot(normal);
      if (!(offset * otherOffset < 0.0) || !(std::fabs(std::fabs(offset) - std::fabs(otherOffset)) <= 1e-6)) continue;
      const point* pairs[4][2] = {{&wall.start, &other.start}, {&wall.start, &other.end}, {&wall.end, &other.start},
                                  {&wall.end, &other.end}};
      bool found = false;
      for (const auto& pair : pairs) {
        if (!isParallel2d(*pair[0] - *pair[1], normal)) continue;
        radial = *pair[1];
        across = *pair[0] - radial;
        diameter = across.length();
        found = true;
        break;
      }
      if (found) break;
    }
    const point base = radial + across * 0.5;
    numbers.insert(numbers.end(), {(wall.start - wall.end).length(), diameter, base.x, base.y});
  }
  return numbers;
}

}  // namespace reference

std::vector<double> threadsOf(const wallsT& walls, const point& axisStart, const point& axisEnd) {
  threadLineListC lines;
  for (const threadLineDataC& wall : walls) *lines.newElement() = wall;
  cosThreadListC records;
  matrixC4x4<double> frame;
  frame.ident();
  buildThreadRecords(records, frame, axisStart, axisEnd, lines, threadLineListC());
  std::vector<double> numbers;
  for (uint32_t i = 0; i < records.elementCount; ++i) {
    const cosThreadDataC& record = records[i];
    numbers.insert(numbers.end(), {record.ThreadLen, record.ThreadDia, record.ThreadPosition[12], record.ThreadPosition[13]});
  }
  return numbers;
}

}  // namespace

TEST(ThreadRecordsReference, IndexedJoinsAndPartnersGiveWhatScansGave) {
  std::mt19937 random(4711);
  size_t threadsSeen = 0;
  for (int round = 0; round < 300; ++round) {
    // Walls along the axis on a few distances either side, ends on a coarse lattice moved by
    // nothing, by the point tolerance or by a hair past the distance tolerance.
    const double nudges[] = {0.0, 0.0, 0.0, 1e-10, -1e-10, 3e-10, 1e-6, -9.9e-7, 2.5e-6};
    const double distances[] = {1.0, 2.0, 2.0, 3.0};
    const double angle = round % 4 == 0 ? 0.5 : 0.0;
    const point along(std::cos(angle), std::sin(angle)), normal(-along.y, along.x);
    wallsT walls;
    for (uint32_t n = random() % 40; n > 0; --n) {
      const double side = random() % 2 ? 1.0 : -1.0;
      const double distance = side * distances[random() % std::size(distances)] + nudges[random() % std::size(nudges)];
      const double a = double(random() % 8) + nudges[random() % std::size(nudges)];
      // Mostly short pieces, which chain up.
      const double b = (random() % 3 ? a + double(random() % 5) - 2.0 : double(random() % 8)) +
                       nudges[random() % std::size(nudges)];
      threadLineDataC wall;
      wall.start = along * a + normal * distance;
      wall.end = along * b + normal * distance;
      walls.push_back(wall);
      if (random() % 5 == 0) walls.push_back(walls[random() % walls.size()]);
    }
    const std::vector<double> expected = reference::threads(walls, point(0, 0), along);
    ASSERT_EQ(threadsOf(walls, point(0, 0), along), expected) << round;
    threadsSeen += expected.size() / 4;
  }
  EXPECT_GT(threadsSeen, 1000u);
}
