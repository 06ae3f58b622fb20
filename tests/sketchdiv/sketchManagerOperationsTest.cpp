#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/sketchdiv/sketchDivisionHelpers.h"

using namespace sketchDivisionTest;

namespace {

using point = vectorC2d<double>;

struct segmentS {
  point from, to;
};

// The lines of the piece's first loop that no input curve gave: the closing segments.
std::vector<segmentS> closingSegments(RISketchManager& piece) {
  std::vector<segmentS> segments;
  if (piece.loopCount() == 0) return segments;
  RISketchGeoLoop& loop = *piece.loopAt(0);
  for (uint32_t i = 0; i < loop.lineCount(); ++i)
    if (loop.lineAt(i)->getSource() == IRIBaseGeoObject::noSource)
      segments.push_back({loop.lineAt(i)->start, loop.lineAt(i)->end});
  return segments;
}

// Twice the signed area the directed lines and arcs enclose: negative when they run clockwise.
double signedArea(RISketchGeoLoop& loop) {
  double area = 0.0;
  for (uint32_t i = 0; i < loop.lineCount(); ++i) {
    const RISketchGeoLine& l = *loop.lineAt(i);
    area += l.start.x * l.end.y - l.end.x * l.start.y;
  }
  return area;
}

// Every curve's end is some curve's start.
bool runsHeadToTail(RISketchGeoLoop& loop) {
  for (uint32_t i = 0; i < loop.lineCount(); ++i) {
    bool continued = false;
    for (uint32_t k = 0; k < loop.lineCount() && !continued; ++k)
      continued = k != i && loop.lineAt(k)->startsAt(loop.lineAt(i)->end);
    if (!continued) return false;
  }
  return true;
}

}  // namespace

TEST(SketchPiece, SplitByCutPlacesHalvesInOrderClosedAlongTheCut) {
  struct caseS {
    const char* name;
    RISketchManager piece;
    RISketchGeoLine cut;
    uint8_t mode;
    std::vector<boxS> boxes;
    std::vector<std::vector<segmentS>> segments;
  };
  const std::vector<caseS> cases = {
      {"vertical: left, then right; down, then up", pieceOf({{0, 0, 4, 2}}), RISketchGeoLine(point(1, -10), point(1, 12)),
       RISketchManager::everyLoop, {{0, 0, 1, 2}, {1, 0, 4, 2}},
       {{{point(1, 2), point(1, 0)}}, {{point(1, 0), point(1, 2)}}}},
      {"horizontal: lower first, its segment running to lower x", pieceOf({{0, 0, 4, 2}}),
       RISketchGeoLine(point(-10, 0.5), point(10, 0.5)), RISketchManager::everyLoop, {{0, 0, 4, 0.5}, {0, 0.5, 4, 2}},
       {{{point(4, 0.5), point(0, 0.5)}}, {{point(0, 0.5), point(4, 0.5)}}}},
      {"a hole cut open joins the outer loop", pieceOf({{0, 0, 4, 4}, {1, 1, 3, 3}}),
       RISketchGeoLine(point(2, -10), point(2, 12)), RISketchManager::everyLoop, {{0, 0, 2, 4}, {2, 0, 4, 4}},
       {{{point(2, 1), point(2, 0)}, {point(2, 4), point(2, 3)}}, {{point(2, 0), point(2, 1)}, {point(2, 3), point(2, 4)}}}},
      {"a cut that misses hands on the piece", pieceOf({{0, 0, 4, 2}}), RISketchGeoLine(point(9, -10), point(9, 12)),
       RISketchManager::everyLoop, {{0, 0, 4, 2}}, {{}}},
      {"a slanted cut hands on the piece", pieceOf({{0, 0, 4, 2}}), RISketchGeoLine(point(0, -1), point(4, 3)),
       RISketchManager::everyLoop, {{0, 0, 4, 2}}, {{}}},
      {"first loop mode: islands go whole to the side holding them", pieceOf({{0, 0, 10, 4}, {6, 1, 7, 3}, {1, 1, 2, 3}}),
       RISketchGeoLine(point(3, -10), point(3, 14)), RISketchManager::firstLoop, {{0, 0, 3, 4}, {3, 0, 10, 4}},
       {{{point(3, 4), point(3, 0)}}, {{point(3, 0), point(3, 4)}}}},
  };
  for (const caseS& c : cases) {
    RISketchManager piece = c.piece;
    collectorC collector;
    sketchListT<RISketchManager> out;
    piece.splitByCut(c.cut, out, c.mode, &collector);
    ASSERT_EQ(out.count(), c.boxes.size()) << c.name;
    for (uint32_t i = 0; i < out.count(); ++i) {
      expectBox(boxOf(out[i]), c.boxes[i], c.name);
      const std::vector<segmentS> segments = closingSegments(out[i]);
      ASSERT_EQ(segments.size(), c.segments[i].size()) << c.name << " piece " << i;
      for (size_t k = 0; k < segments.size(); ++k) {
        EXPECT_TRUE(pointsEqual(segments[k].from, c.segments[i][k].from, 1e-12)) << c.name << " piece " << i;
        EXPECT_TRUE(pointsEqual(segments[k].to, c.segments[i][k].to, 1e-12)) << c.name << " piece " << i;
      }
    }
    expectEveryCurvePlacedOnce(c.piece, out);
    EXPECT_EQ(collector.orphanage.lineCount(), 0u) << c.name;
    EXPECT_EQ(piece.countObjects(), c.piece.countObjects()) << c.name << ": the piece stays as it was";
  }

  // First-loop mode: a cut missing the first loop still splits it, the whole of it to one side.
  RISketchManager piece = pieceOf({{0, 0, 1, 1}, {5, 0, 6, 1}});
  collectorC collector;
  sketchListT<RISketchManager> out;
  piece.splitByCut(RISketchGeoLine(point(5.5, -10), point(5.5, 10)), out, RISketchManager::firstLoop, &collector);
  ASSERT_EQ(out.count(), 2u);
  EXPECT_EQ(out[0].countObjects(), 4u);
  ASSERT_EQ(out[1].loopCount(), 2u);
  EXPECT_EQ(out[1].loopAt(0)->lineCount(), 0u);
  EXPECT_EQ(out[1].loopAt(1)->lineCount(), 4u);
}

TEST(SketchPiece, ChainsAreCountedAndRebuiltIntoNestedPieces) {
  struct caseS {
    const char* name;
    RISketchManager piece;
    uint32_t chains;
    std::vector<std::vector<boxS>> pieces;  // the loop boxes of each rebuilt piece
  };
  RISketchManager splitSquare;
  RISketchGeoLoop lower;
  lower.addLine(0, 0, 2, 0, 0);
  lower.addLine(2, 0, 2, 2, 1);
  RISketchGeoLoop upper;
  upper.addLine(2, 2, 0, 2, 2);
  upper.addLine(0, 2, 0, 0, 3);
  splitSquare.addLoop(lower);
  splitSquare.addLoop(upper);
  const std::vector<caseS> cases = {
      {"two separate squares", pieceOf({{0, 0, 1, 1}, {3, 0, 4, 1}}), 2, {{{0, 0, 1, 1}}, {{3, 0, 4, 1}}}},
      {"a square with a hole, outer first", pieceOf({{1, 1, 2, 2}, {0, 0, 4, 4}}), 2,
       {{{0, 0, 4, 4}, {1, 1, 2, 2}}}},
      {"a hole centred in its outer loop", pieceOf({{0, 0, 4, 4}, {1, 1, 3, 3}}), 2, {{{0, 0, 4, 4}, {1, 1, 3, 3}}}},
      {"one chain over two loops", splitSquare, 1, {{{0, 0, 2, 2}}}},
      {"nothing", RISketchManager(), 0, {}},
  };
  for (const caseS& c : cases) {
    RISketchManager piece = c.piece;
    EXPECT_EQ(piece.countChains(), c.chains) << c.name;
    sketchListT<RISketchManager> out;
    EXPECT_TRUE(piece.splitIntoChains(out));
    ASSERT_EQ(out.count(), c.pieces.size()) << c.name;
    for (uint32_t i = 0; i < out.count(); ++i) {
      ASSERT_EQ(out[i].loopCount(), c.pieces[i].size()) << c.name;
      for (uint32_t l = 0; l < out[i].loopCount(); ++l) {
        const RISketchBoundingBox b = out[i].loopAt(l)->getBoundingBox();
        expectBox({b.minX, b.minY, b.maxX, b.maxY}, c.pieces[i][l], c.name);
      }
    }
    expectEveryCurvePlacedOnce(c.piece, out);
  }

  // A half disc: the rebuild takes the arc the walk passes from the piece, either way round.
  RISketchGeoLoop halfDisc;
  halfDisc.addArc(point(0, 0), 1, 0, 180, 0, 7);
  halfDisc.addLine(-1, 0, 1, 0, 8);
  RISketchManager disc;
  disc.addLoop(halfDisc);
  EXPECT_EQ(disc.findArc(point(-1, 0), point(1, 0)), disc.loopAt(0)->arcAt(0));
  EXPECT_EQ(disc.findArc(point(1, 0), point(-1, 0)), disc.loopAt(0)->arcAt(0));
  EXPECT_EQ(disc.findArc(point(0, 0), point(1, 0)), nullptr);
  EXPECT_EQ(disc.countChains(), 1u);
  sketchListT<RISketchManager> rebuilt;
  disc.splitIntoChains(rebuilt);
  ASSERT_EQ(rebuilt.count(), 1u);
  EXPECT_EQ(rebuilt[0].loopAt(0)->arcCount(), 1u);
  EXPECT_EQ(rebuilt[0].loopAt(0)->lineCount(), 1u);
  expectEveryCurvePlacedOnce(disc, rebuilt);

  // Points that are not numbers end every walk at once; both still return.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  RISketchGeoLoop broken;
  for (int k = 0; k < 1000; ++k) broken.addLine(k, k % 2 ? nan : 0.0, k + 1, nan, k);
  RISketchManager piece;
  piece.addLoop(broken);
  EXPECT_GE(piece.countChains(), 1u);
  sketchListT<RISketchManager> out;
  EXPECT_TRUE(piece.splitIntoChains(out));
}

TEST(SketchPiece, OrientedLoopsRunHeadToTailInOppositeSenses) {
  // Diamonds: their leftmost corner shows the sense. The outer one runs counter-clockwise with
  // one side turned and its sides out of order, the hole clockwise.
  RISketchGeoLoop outer;
  outer.addLine(4, 2, 2, 4, 2);
  outer.addLine(0, 2, 2, 0, 0);
  outer.addLine(4, 2, 2, 0, 1);
  outer.addLine(2, 4, 0, 2, 3);
  RISketchGeoLoop hole;
  hole.addLine(1.5, 2, 2, 2.5, 4);
  hole.addLine(2, 2.5, 2.5, 2, 5);
  hole.addLine(2.5, 2, 2, 1.5, 6);
  hole.addLine(2, 1.5, 1.5, 2, 7);
  RISketchManager piece;
  piece.addLoop(outer);
  piece.addLoop(hole);
  piece.orientLoops();
  EXPECT_TRUE(runsHeadToTail(*piece.loopAt(0)));
  EXPECT_TRUE(runsHeadToTail(*piece.loopAt(1)));
  EXPECT_LT(signedArea(*piece.loopAt(0)), 0.0);
  EXPECT_GT(signedArea(*piece.loopAt(1)), 0.0);
}
