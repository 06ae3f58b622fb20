#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "sketchdiv/RISketchDivider.h"
#include "tests/sketchdiv/sketchDivisionHelpers.h"

using namespace sketchDivisionTest;

namespace {

// The outer rectangle (0,0)-(2n+1,4) with the n islands (2k+1,1)-(2k+2,3).
RISketchManager islandRow(int n) {
  RISketchManager sketch = pieceOf({{0, 0, 2.0 * n + 1, 4}});
  for (int k = 0; k < n; ++k) {
    RISketchGeoLoop island = rectangle({2.0 * k + 1, 1, 2.0 * k + 2, 3}, 4 * (k + 1));
    sketch.addLoop(island);
  }
  return sketch;
}

// A rectangle (0,0)-(n,1) whose bottom is n unit lines: one loop of n + 3 lines.
RISketchManager combLoop(int n) {
  RISketchGeoLoop loop;
  for (int k = 0; k < n; ++k) loop.addLine(k, 0, k + 1, 0, k);
  loop.addLine(n, 0, n, 1, n);
  loop.addLine(n, 1, 0, 1, n + 1);
  loop.addLine(0, 1, 0, 0, n + 2);
  RISketchManager sketch;
  sketch.addLoop(loop);
  return sketch;
}

}  // namespace

TEST(SketchDivider, DividesIntoPiecesWithinTheLimitInNeighbourOrder) {
  struct caseS {
    const char* name;
    RISketchManager sketch;
    uint32_t limit;
    int result;
    std::vector<boxS> boxes;  // empty: only the count below is checked
    uint32_t pieces;
  };
  const RISketchManager threeIslands = pieceOf({{0, 0, 10, 4}, {1, 1, 2, 3}, {4, 1, 5, 3}, {7, 1, 8, 3}});
  const std::vector<caseS> cases = {
      {"three islands", threeIslands, 15, RISketchDivider::divided, {{6, 0, 10, 4}, {3, 0, 6, 4}, {0, 0, 3, 4}}, 3},
      {"count at the limit", threeIslands, 16, RISketchDivider::withinLimit, {{0, 0, 10, 4}}, 1},
      {"no limit", threeIslands, 0xFFFFFFFF, RISketchDivider::withinLimit, {{0, 0, 10, 4}}, 1},
      {"seven islands", islandRow(7), 15, RISketchDivider::divided, {}, 7},
      {"twelve islands, cuts ordered from the centre", islandRow(12), 15, RISketchDivider::divided, {}, 11},
      {"one loop regrouped through its centre, off the end point at 10", combLoop(20), 15, RISketchDivider::divided,
       {{0, 0, 9.8, 1}, {9.8, 0, 20, 1}}, 2},
      {"nothing", RISketchManager(), 15, RISketchDivider::noLoops, {}, 0},
  };
  for (const caseS& c : cases) {
    RISketchDivider divider;
    divider.setLimit(c.limit);
    divider.setObjects(c.sketch);
    EXPECT_EQ(divider.divide(true), c.result) << c.name;
    sketchListT<RISketchManager> pieces;
    divider.getResult(pieces);
    ASSERT_EQ(pieces.count(), c.pieces) << c.name;
    for (uint32_t i = 0; i < c.boxes.size(); ++i) expectBox(boxOf(pieces[i]), c.boxes[i], c.name);
    for (uint32_t i = 0; i < pieces.count(); ++i) EXPECT_LE(pieces[i].countObjects(), c.limit) << c.name;
    if (c.pieces > 0) expectEveryCurvePlacedOnce(c.sketch, pieces);
    EXPECT_EQ(divider.orphanage.lineCount() + divider.orphanage.arcCount(), 0u) << c.name;
  }

  // Each piece of a row of islands: its part of the outer loop, then its island.
  RISketchDivider divider;
  divider.setLimit(15);
  divider.setObjects(islandRow(7));
  divider.divide(true);
  for (uint32_t i = 0; i < divider.pieces.count(); ++i) {
    RISketchManager& piece = divider.pieces[i];
    ASSERT_EQ(piece.loopCount(), 2u);
    EXPECT_EQ(piece.loopAt(0)->lineCount(), 4u);
    EXPECT_EQ(piece.loopAt(1)->lineCount(), 4u);
  }

  // A divider set up again with nothing forgets the previous set.
  divider.setObjects(RISketchManager());
  EXPECT_EQ(divider.divide(true), RISketchDivider::noLoops);
  EXPECT_EQ(divider.pieces.count(), 0u);
}

TEST(SketchDivider, CutsFallInTheGapsBetweenIslandsAndOffEndPoints) {
  RISketchDivider divider;
  divider.setLimit(15);
  divider.setObjects(pieceOf({{0, 0, 10, 4}, {1, 1, 2, 3}, {4, 1, 5, 3}, {8, 5, 9, 6}}));
  divider.islandCuts();
  ASSERT_EQ(divider.xCuts.count(), 1u);
  EXPECT_EQ(divider.xCuts[0], 3.0);
  EXPECT_EQ(divider.yCuts.count(), 0u);
  EXPECT_EQ(divider.islands.count(), 2u) << "the island outside the outer box is left out";

  // The outer bottom stored in two lines meeting at x = 3: the cut moves a hundredth of the
  // width to the left.
  RISketchGeoLoop outer;
  outer.addLine(0, 0, 3, 0);
  outer.addLine(3, 0, 10, 0);
  outer.addLine(10, 0, 10, 4);
  outer.addLine(10, 4, 0, 4);
  outer.addLine(0, 4, 0, 0);
  RISketchManager sketch;
  sketch.addLoop(outer);
  sketchListT<double> cuts;
  cuts.append(3.0);
  cuts.append(-5.0);  // crosses nothing: kept as it is
  divider.placeCuts(sketch, cuts, 1);
  ASSERT_EQ(cuts.count(), 2u);
  EXPECT_NEAR(cuts[0], 2.9, 1e-12);
  EXPECT_EQ(cuts[1], -5.0);

  // A cut crossing once is removed; so is one that cannot leave an end point (zero width).
  RISketchManager open;
  RISketchGeoLoop stroke;
  stroke.addLine(0, 0, 10, 0);
  stroke.addLine(10, 0, 10, 4);
  open.addLoop(stroke);
  cuts.setEmpty();
  cuts.append(5.0);
  divider.placeCuts(open, cuts, 1);
  EXPECT_EQ(cuts.count(), 0u);
  RISketchManager column;
  RISketchGeoLoop stacked;
  for (int k = 0; k < 4; ++k) stacked.addLine(5, k, 5, k + 1);
  column.addLoop(stacked);
  cuts.append(2.0);
  divider.placeCuts(column, cuts, 0);
  EXPECT_EQ(cuts.count(), 0u);
}

TEST(SketchDivider, DegenerateSketchesEndWithinTheBounds) {
  struct caseS {
    const char* name;
    RISketchManager sketch;
    bool overLimit;  // else it only has to end
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  RISketchGeoLoop column;
  for (int k = 0; k < 20; ++k) column.addLine(5, k, 5, k + 1, k);
  RISketchManager zeroWidth;
  zeroWidth.addLoop(column);
  RISketchManager circles;
  for (int k = 0; k < 16; ++k) {
    RISketchGeoLoop circle;
    circle.addArc(vectorC2d<double>(0, 0), 1, 0, 360, 1, k);
    circles.addLoop(circle);
  }
  RISketchGeoLoop broken = rectangle({0, 0, 10, 4});
  for (int k = 0; k < 16; ++k) broken.addLine(k, nan, k + 1, 2, 4 + k);
  RISketchManager notNumbers;
  notNumbers.addLoop(broken);
  const std::vector<caseS> cases = {
      {"zero width: no cut ever lands", zeroWidth, true},
      {"stacked circles: the curve bound", circles, true},
      {"points that are not numbers", notNumbers, false},
  };
  for (const caseS& c : cases) {
    RISketchDivider divider;
    divider.setLimit(15);
    divider.setObjects(c.sketch);
    const int result = divider.divide(true);
    if (c.overLimit) {
      EXPECT_EQ(result, RISketchDivider::overLimit) << c.name;
    }
  }
}
