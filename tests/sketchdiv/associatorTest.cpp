#include <gtest/gtest.h>

#include <vector>

#include "sketchdiv/RISketchAssociator.h"
#include "tests/sketchdiv/sketchDivisionHelpers.h"

using namespace sketchDivisionTest;

TEST(SketchAssociator, OnlyCollinearAxisEdgesOverlappingBeyondAThousandthMakeNeighbours) {
  struct caseS {
    const char* name;
    RISketchGeoLine line;
    bool shares;
    double overlap;
  };
  using point = vectorC2d<double>;
  const std::vector<caseS> cases = {
      {"equal, reversed", RISketchGeoLine(point(1, 1), point(0, 1)), true, 1.0},
      {"inside the side", RISketchGeoLine(point(1, 0.25), point(1, 0.75)), true, 0.5},
      {"holding the side", RISketchGeoLine(point(1, -1), point(1, 3)), true, 1.0},
      {"overlapping by 0.0011", RISketchGeoLine(point(-1, 0), point(0.0011, 0)), true, 0.0011},
      {"overlapping by 0.0011 the other way", RISketchGeoLine(point(0.0011, 0), point(-1, 0)), true, 0.0011},
      {"overlapping by 0.001", RISketchGeoLine(point(-1, 0), point(0.001, 0)), false, 0.0},
      {"meeting end to end", RISketchGeoLine(point(1, 1), point(1, 3)), false, 0.0},
      {"across a corner", RISketchGeoLine(point(1, 1), point(3, 1)), false, 0.0},
      {"perpendicular through a side", RISketchGeoLine(point(0.5, -1), point(0.5, 0.5)), false, 0.0},
      {"on the diagonal", RISketchGeoLine(point(0, 0), point(1, 1)), false, 0.0},
      {"parallel, apart", RISketchGeoLine(point(1.5, 0), point(1.5, 1)), false, 0.0},
  };
  RISketchGeoLoop square = rectangle({0, 0, 1, 1});
  for (const caseS& c : cases) {
    double overlap = -1.0;
    EXPECT_EQ(square.sharesEdge(c.line, overlap), c.shares) << c.name;
    if (c.shares) {
      EXPECT_NEAR(overlap, c.overlap, 1e-12) << c.name;
    }
  }

  // The claim test: own key, neighbours, and copies without overlaps.
  RISketchAssociator associator;
  EXPECT_TRUE(associator.contains(RISketchAssociator::noKey));
  EXPECT_FALSE(associator.contains(0));
  associator.key = 3;
  EXPECT_TRUE(associator.contains(3));
  EXPECT_FALSE(associator.add(3, 1.0));
  EXPECT_TRUE(associator.add(5, 2.0));
  EXPECT_FALSE(associator.add(5, 4.0));
  EXPECT_EQ(associator.overlaps.count(), 1u);
  const RISketchAssociator copy = associator;
  EXPECT_TRUE(copy.contains(5));
  EXPECT_FALSE(copy.contains(4));
  EXPECT_EQ(copy.overlaps.count(), 0u);
}

TEST(SketchAssociator, NeighbourOrderFollowsSharedEdgesThenKeepsTheRest) {
  // Pieces in a row, listed out of order; the right neighbour of the first has its common
  // side in two lines; the last lies apart.
  sketchListT<RISketchManager> pieces;
  pieces.append(pieceOf({{0, 0, 1, 1}}));
  pieces.append(pieceOf({{2, 0, 3, 1}}));
  RISketchGeoLoop middle;
  middle.addLine(1, 0, 2, 0);
  middle.addLine(2, 0, 2, 1);
  middle.addLine(2, 1, 1, 1);
  middle.addLine(1, 1, 1, 0.4);
  middle.addLine(1, 0.4, 1, 0);
  RISketchManager piece;
  piece.addLoop(middle);
  pieces.append(piece);
  pieces.append(pieceOf({{10, 0, 11, 1}}));

  const RISketchAssociator first = RISketchAssociator::associate(pieces, pieces[0]);
  EXPECT_EQ(first.key, 0u);
  ASSERT_EQ(first.associated.count(), 1u);
  EXPECT_EQ(first.associated[0], 2u);
  const RISketchAssociator middleOne = RISketchAssociator::associate(pieces, pieces[2]);
  ASSERT_EQ(middleOne.associated.count(), 2u);
  EXPECT_EQ(middleOne.associated[0], 0u);
  EXPECT_EQ(middleOne.associated[1], 1u);

  sketchListT<uint32_t> order;
  RISketchAssociator::neighbourOrder(pieces, order);
  ASSERT_EQ(order.count(), 4u);
  const uint32_t expected[] = {0, 2, 1, 3};
  for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(order[i], expected[i]) << i;
}
