// The divider places its cuts by asking only the curves near each cut. It must keep exactly the
// coordinates, in the same order, that asking every curve of the piece kept: the reference below
// is that algorithm, compared over random pieces whose end points, vertical and horizontal lines
// and circles sit on or next to the cuts, with odd tolerances and cuts that are not numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "sketchdiv/RISketchDivider.h"

namespace {

using point = vectorC2d<double>;

namespace reference {

RISketchGeoLine cutLine(const RISketchBoundingBox& box, double c, uint8_t axis) {
  RISketchGeoLine line;
  if (axis == 1) line.setCoordinates(c, box.minY - 10.0, c, box.maxY + 10.0);
  else line.setCoordinates(box.minX - 10.0, c, box.maxX + 10.0, c);
  return line;
}

void placeCuts(RISketchManager& manager, sketchListT<double>& coordinates, uint8_t axis) {
  const RISketchBoundingBox b = manager.getBoundingBox();
  const double step = std::fabs(b.maxX - b.minX) / 100.0;
  for (uint32_t k = coordinates.count(); k-- > 0;) {
    double c = coordinates[k];
    RISketchGeoLine cut = cutLine(b, c, axis);
    sketchPointList points;
    int count = 0;
    manager.crossings(cut, points, count);
    if (count == 1) {
      coordinates.removeAt(k);
      continue;
    }
    uint32_t moves = 0;
    auto clear = [&](IRIBaseGeoObject& object) {
      while (!object.isCutClean(cut)) {
        const double moved = c - step;
        if (moves == RISketchDivider::maxCutMoves || moved == c || !std::isfinite(moved)) return false;
        c = moved;
        ++moves;
        cut = cutLine(b, c, axis);
      }
      return true;
    };
    bool clean = true;
    for (uint32_t i = 0; i < manager.loops.count() && clean; ++i) {
      RISketchGeoLoop& loop = manager.loops[i];
      for (uint32_t n = 0; n < loop.lines.count() && clean; ++n) clean = clear(loop.lines[n]);
      for (uint32_t n = 0; n < loop.arcs.count() && clean; ++n) clean = clear(loop.arcs[n]);
    }
    if (clean) coordinates[k] = c;
    else coordinates.removeAt(k);
  }
}

void mergeOverlappingRanges(sketchListT<RINumericRange>& ranges) {
  auto mergePair = [&ranges]() {
    RINumericRange both;
    if (!RINumericRange::unionWith(ranges[0], ranges[1], both)) return;
    ranges.setEmpty();
    ranges.append(both);
  };
  if (ranges.count() < 2) return;
  uint32_t unmerged = 0;
  while (true) {
    if (ranges.count() == 2) {
      mergePair();
      return;
    }
    const RINumericRange candidate = ranges[0];
    ranges.removeAt(0);
    const uint32_t rest = ranges.count();
    bool merged = false;
    for (uint32_t i = 0; i < rest && !merged; ++i) {
      RINumericRange both;
      if (!RINumericRange::unionWith(candidate, ranges[i], both)) continue;
      ranges[i] = both;
      merged = true;
    }
    if (merged) {
      unmerged = 0;
      continue;
    }
    ranges.append(candidate);
    if (++unmerged == rest) return;
  }
}

void appendGapMiddles(sketchListT<RINumericRange>& ranges, sketchListT<double>& out) {
  for (uint32_t i = ranges.count(); i-- > 0;)
    if (ranges[i].length() <= 1e-14) ranges.removeAt(i);
  std::vector<double> ends;
  for (uint32_t i = 0; i < ranges.count(); ++i) {
    ends.push_back(ranges[i].getMin());
    ends.push_back(ranges[i].getMax());
  }
  std::sort(ends.begin(), ends.end());
  for (size_t k = 1; k + 1 < ends.size(); k += 2) out.append((ends[k] + ends[k + 1]) / 2.0);
}

// The island cuts of the divider's outer loop and islands, as setObjects left them.
void islandCuts(RISketchDivider& divider) {
  const RISketchBoundingBox outerBox = divider.outerLoop.getBoundingBox();
  sketchListT<RINumericRange> across;
  sketchListT<RINumericRange> upward;
  for (uint32_t i = 0; i < divider.islands.count(); ++i) {
    const RISketchBoundingBox b = divider.islands[i].getBoundingBox();
    if (!b.isInside(outerBox)) continue;
    across.append(RINumericRange(b.minX, b.maxX, 1));
    upward.append(RINumericRange(b.minY, b.maxY, 1));
  }
  mergeOverlappingRanges(across);
  mergeOverlappingRanges(upward);
  appendGapMiddles(across, divider.xCuts);
  appendGapMiddles(upward, divider.yCuts);
}

}  // namespace reference

// Coordinates on a quarter grid, so that end points and cuts meet often.
class randomPieceC {
 public:
  explicit randomPieceC(uint32_t seed) : random(seed) {}

  double grid(int most) { return 0.25 * double(std::uniform_int_distribution<int>(0, 4 * most)(random)); }
  int pick(int most) { return std::uniform_int_distribution<int>(0, most)(random); }
  double tolerance() {
    static const double tolerances[] = {1e-6, 1e-6, 1e-6, 0.0, 0.3, -1.0, 1e-3};
    return tolerances[pick(int(std::size(tolerances)) - 1)];
  }

  RISketchManager piece(int size) {
    RISketchManager manager;
    RISketchGeoLoop outer;
    outer.addLine(0, 0, size, 0, 0);
    outer.addLine(size, 0, size, size, 1);
    outer.addLine(size, size, 0, size, 2);
    // Without its left side the outer loop is crossed once by cuts that miss the islands.
    if (pick(2) != 0) outer.addLine(0, size, 0, 0, 3);
    manager.addLoop(outer);
    const int loops = 1 + pick(8);
    for (int l = 0; l < loops; ++l) {
      RISketchGeoLoop loop;
      const int curves = 1 + pick(6);
      for (int k = 0; k < curves; ++k) {
        const int kind = pick(5);
        const point a(grid(size), grid(size));
        if (kind == 0) loop.addLine(a, point(a.x, grid(size)), k);  // vertical
        else if (kind == 1) loop.addLine(a, point(grid(size), a.y), k);  // horizontal
        else if (kind == 2) loop.addArc(a, 0.25 * (1 + pick(8)), 45.0 * pick(8), 45.0 * pick(8) + 90.0, 1, k);
        else loop.addLine(a, point(grid(size), grid(size)), k);
      }
      for (uint32_t k = 0; k < loop.lines.count(); ++k) loop.lines[k].setTolerance(tolerance());
      for (uint32_t k = 0; k < loop.arcs.count(); ++k) loop.arcs[k].setTolerance(tolerance());
      manager.addLoop(loop);
    }
    return manager;
  }

  sketchListT<double> coordinates(int size) {
    sketchListT<double> out;
    const int n = pick(12);
    for (int k = 0; k < n; ++k) {
      const int kind = pick(9);
      if (kind == 0) out.append(std::numeric_limits<double>::quiet_NaN());
      else if (kind == 1) out.append(grid(size) + 0.125);
      else if (kind == 2) out.append(grid(size) + 1e-7 * (pick(4) - 2));
      else if (kind == 3) out.append(pick(1) ? -grid(2) : size + grid(2));
      // Off a line along the cut by less than the cut's reach: the line still lies on the cut.
      else if (kind == 4) out.append(grid(size) + 0.002 * (pick(2) - 1));
      else out.append(grid(size));
    }
    return out;
  }

 private:
  std::mt19937 random;
};

std::string describe(const sketchListT<double>& list) {
  std::string text;
  for (uint32_t i = 0; i < list.count(); ++i) text += std::to_string(list[i]) + " ";
  return text;
}

bool sameBits(const sketchListT<double>& a, const sketchListT<double>& b) {
  if (a.count() != b.count()) return false;
  for (uint32_t i = 0; i < a.count(); ++i)
    if (std::memcmp(&a[i], &b[i], sizeof(double)) != 0) return false;
  return true;
}

}  // namespace

TEST(SketchDividerCutPlacement, KeepsExactlyTheCoordinatesOfTheFullScan) {
  uint32_t moved = 0;
  uint32_t dropped = 0;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    randomPieceC random(seed);
    const int size = 2 + random.pick(14);
    RISketchManager piece = random.piece(size);
    for (uint8_t axis : {uint8_t(0), uint8_t(1)}) {
      const sketchListT<double> given = random.coordinates(size);
      sketchListT<double> expected = given;
      RISketchManager expectedPiece = piece;
      reference::placeCuts(expectedPiece, expected, axis);
      sketchListT<double> placed = given;
      RISketchDivider divider;
      divider.placeCuts(piece, placed, axis);
      ASSERT_TRUE(sameBits(placed, expected)) << "seed " << seed << " axis " << int(axis) << ": placed "
                                              << describe(placed) << "expected " << describe(expected);
      dropped += given.count() - expected.count();
      for (uint32_t i = 0; i < expected.count() && i < given.count(); ++i) moved += expected[i] != given[i];
    }
  }
  // The inputs reach the moves and the drops, not only cuts that stay where they are.
  EXPECT_GT(moved, 50u);
  EXPECT_GT(dropped, 50u);
}

TEST(SketchDividerCutPlacement, RowOfIslandsKeepsEveryGapCut) {
  for (int n : {1, 7, 300}) {
    RISketchManager sketch;
    RISketchGeoLoop outer;
    outer.addLine(0, 0, 2.0 * n + 1, 0, 0);
    outer.addLine(2.0 * n + 1, 0, 2.0 * n + 1, 4, 1);
    outer.addLine(2.0 * n + 1, 4, 0, 4, 2);
    outer.addLine(0, 4, 0, 0, 3);
    sketch.addLoop(outer);
    sketchListT<double> gaps;
    for (int k = 0; k < n; ++k) {
      RISketchGeoLoop island;
      island.addLine(2.0 * k + 1, 1, 2.0 * k + 2, 1, 4 * k + 4);
      island.addLine(2.0 * k + 2, 1, 2.0 * k + 2, 3, 4 * k + 5);
      island.addLine(2.0 * k + 2, 3, 2.0 * k + 1, 3, 4 * k + 6);
      island.addLine(2.0 * k + 1, 3, 2.0 * k + 1, 1, 4 * k + 7);
      sketch.addLoop(island);
      // Through the island's left side: moved off it; in the gap after it: kept.
      gaps.append(2.0 * k + 1);
      gaps.append(2.0 * k + 2.5);
    }
    sketchListT<double> expected = gaps;
    RISketchManager copy = sketch;
    reference::placeCuts(copy, expected, 1);
    RISketchDivider divider;
    divider.placeCuts(sketch, gaps, 1);
    ASSERT_TRUE(sameBits(gaps, expected)) << n;
    ASSERT_EQ(gaps.count(), uint32_t(2 * n));
    EXPECT_EQ(gaps[0], 1.0 - (2.0 * n + 1) / 100.0);
  }
}

TEST(SketchDividerCutPlacement, IslandCutsFallInTheSameGapsAsMergingPairByPair) {
  uint32_t cuts = 0;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    randomPieceC random(seed);
    const int size = 4 + random.pick(40);
    RISketchManager sketch;
    RISketchGeoLoop outer;
    outer.addLine(0, 0, size, 0, 0);
    outer.addLine(size, 0, size, size, 1);
    outer.addLine(size, size, 0, size, 2);
    outer.addLine(0, size, 0, 0, 3);
    sketch.addLoop(outer);
    // Islands that overlap, touch, nest, degenerate to a line, or stick out of the outer loop.
    for (int k = 0, n = random.pick(30); k < n; ++k) {
      const double x = random.grid(size - 1);
      const double y = random.grid(size - 1);
      const double w = random.pick(3) == 0 ? 0.0 : random.grid(3);
      const double h = random.grid(3);
      RISketchGeoLoop island;
      island.addLine(x, y, x + w, y, 4 * k + 4);
      island.addLine(x + w, y, x + w, y + h, 4 * k + 5);
      island.addLine(x + w, y + h, x, y + h, 4 * k + 6);
      sketch.addLoop(island);
    }
    RISketchDivider expected;
    expected.setObjects(sketch);
    reference::islandCuts(expected);
    RISketchDivider divider;
    divider.setObjects(sketch);
    divider.islandCuts();
    ASSERT_TRUE(sameBits(divider.xCuts, expected.xCuts)) << "seed " << seed << ": " << describe(divider.xCuts)
                                                         << "expected " << describe(expected.xCuts);
    ASSERT_TRUE(sameBits(divider.yCuts, expected.yCuts)) << "seed " << seed << ": " << describe(divider.yCuts)
                                                         << "expected " << describe(expected.yCuts);
    cuts += expected.xCuts.count() + expected.yCuts.count();
  }
  EXPECT_GT(cuts, 600u);
}

// The island cuts of a row of islands inside a circle: the circle alone spans the row, and
// every cut through it splits it, however far it lies from the circle's centre.
TEST(SketchDividerCutPlacement, IslandCutsSplitAnOuterLoopOfArcsOnly) {
  // Islands, pieces along the island cuts (side by side islands share a piece within the limit).
  const int cases[][2] = {{2, 2}, {5, 4}, {9, 6}};
  for (const auto& [n, pieces] : cases) {
    RISketchManager sketch;
    RISketchGeoLoop outer;
    outer.addArc(point(n + 0.5, 2.0), n + 1.0, 0.0, 360.0, 1, 0);
    sketch.addLoop(outer);
    for (int k = 0; k < n; ++k) {
      RISketchGeoLoop island;
      island.addLine(2.0 * k + 1, 1, 2.0 * k + 2, 1, 4 * k + 1);
      island.addLine(2.0 * k + 2, 1, 2.0 * k + 2, 3, 4 * k + 2);
      island.addLine(2.0 * k + 2, 3, 2.0 * k + 1, 3, 4 * k + 3);
      island.addLine(2.0 * k + 1, 3, 2.0 * k + 1, 1, 4 * k + 4);
      sketch.addLoop(island);
    }
    RISketchDivider divider;
    divider.setLimit(4);
    divider.setObjects(sketch);
    divider.divide(false);
    EXPECT_EQ(divider.pieces.count(), uint32_t(pieces)) << n << " islands";
    EXPECT_EQ(divider.orphanage.lineCount() + divider.orphanage.arcCount(), 0u) << n;
  }
}
