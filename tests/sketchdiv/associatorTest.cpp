#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
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

namespace {

// The order as every piece tested against every other gives it, walked over a plain list.
std::vector<uint32_t> allPairsOrder(sketchListT<RISketchManager>& pieces) {
  const uint32_t n = pieces.count();
  std::vector<RISketchAssociator> associators;
  for (uint32_t i = 0; i < n; ++i) associators.push_back(RISketchAssociator::associate(pieces, pieces[i]));
  std::vector<uint32_t> walk{0};
  for (uint32_t j = 0; j < walk.size(); ++j) {
    std::vector<uint32_t> placed = walk;
    uint32_t behind = j + 1;
    const RISketchAssociator& neighbours = associators[walk[j]];
    for (uint32_t k = 0; k < neighbours.associated.count(); ++k) {
      const uint32_t index = neighbours.associated[k];
      if (std::find(placed.begin(), placed.end(), index) != placed.end()) continue;
      walk.insert(walk.begin() + behind++, index);
    }
  }
  for (uint32_t i = 0; i < n; ++i)
    if (std::find(walk.begin(), walk.end(), i) == walk.end()) walk.push_back(i);
  return walk;
}

}  // namespace

TEST(SketchAssociator, NeighbourOrderMatchesTestingEveryPair) {
  // Grids of unit cells listed in shuffled order, some cells split, slanted or missing, now and
  // then a piece with a coordinate that is not finite or very large, which may meet anything.
  std::mt19937 random(7);
  const double odd[] = {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1e300,
                        -1e300};
  for (int round = 0; round < 60; ++round) {
    const int columns = 1 + int(random() % 12);
    const int rows = 1 + int(random() % 5);
    std::vector<RISketchManager> cells;
    for (int x = 0; x < columns; ++x)
      for (int y = 0; y < rows; ++y) {
        if (random() % 7 == 0) continue;
        const double gap = random() % 5 == 0 ? 0.0005 * (random() % 4) : 0.0;
        RISketchGeoLoop loop;
        switch (random() % 4) {
          case 0:  // a side in two lines
            loop.addLine(x + gap, y, x + 1, y);
            loop.addLine(x + 1, y, x + 1, y + 0.5);
            loop.addLine(x + 1, y + 0.5, x + 1, y + 1);
            loop.addLine(x + 1, y + 1, x + gap, y + 1);
            loop.addLine(x + gap, y + 1, x + gap, y);
            break;
          case 1:  // slanted: only its bottom can be shared
            loop.addLine(x, y, x + 1, y);
            loop.addLine(x + 1, y, x + 0.5, y + 1);
            loop.addLine(x + 0.5, y + 1, x, y);
            break;
          default:
            loop = rectangle({x + gap, double(y), x + 1.0, y + 1.0});
        }
        if (random() % 40 == 0) loop.addLine(odd[random() % 4], y, x, y);
        RISketchManager piece;
        piece.addLoop(loop);
        cells.push_back(piece);
      }
    std::shuffle(cells.begin(), cells.end(), random);
    sketchListT<RISketchManager> pieces;
    for (const RISketchManager& cell : cells) pieces.append(cell);
    if (pieces.count() == 0) continue;
    sketchListT<uint32_t> order;
    RISketchAssociator::neighbourOrder(pieces, order);
    const std::vector<uint32_t> expected = allPairsOrder(pieces);
    ASSERT_EQ(order.count(), expected.size()) << "round " << round;
    for (uint32_t i = 0; i < order.count(); ++i) ASSERT_EQ(order[i], expected[i]) << "round " << round << " at " << i;
  }
}
