#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <vector>

#include <cstdio>
#include <string>

#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/RISketchContentStore.h"
#include "tests/proxy3d/modelScript.h"
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

namespace {

// What a division leaves when every piece of every re-division sweep is divided anew by the
// child divider and every regrouping pass cuts every piece anew, on plain lists of copies.
struct plainDivisionS {
  int result;
  sketchListT<RISketchManager> pieces;
  sketchListT<double> xCuts;
  sketchListT<double> yCuts;
  uint32_t lostLines;
  uint32_t lostArcs;
};

plainDivisionS dividePlainly(const RISketchManager& sketch, uint32_t limit) {
  RISketchDivider divider;
  divider.setLimit(limit);
  divider.setObjects(sketch);
  divider.islandCuts();
  divider.placeCuts(divider.objects, divider.yCuts, 0);
  divider.placeCuts(divider.objects, divider.xCuts, 1);
  divider.buildPieces();
  bool more = divider.pieces.count() > 1;
  RISketchDivider child;
  sketchListT<RISketchManager> work = divider.pieces;
  for (uint32_t sweeps = 0; more; ++sweeps) {
    if (sweeps == RISketchDivider::maxSweeps) return {RISketchDivider::overLimit, {}, {}, {}, 0, 0};
    more = false;
    sketchListT<RISketchManager> collected;
    for (uint32_t i = 0; i < work.count(); ++i) {
      child.setObjects(work[i]);
      child.setLimit(limit);
      child.divide(false);
      if (child.boundReached()) return {RISketchDivider::overLimit, {}, {}, {}, 0, 0};
      more = more || child.pieces.count() > 1;
      collected.appendAll(child.pieces);
    }
    work = collected;
  }
  divider.yCuts.appendAll(child.yCuts);
  divider.xCuts.appendAll(child.xCuts);
  divider.pieces = work;
  sketchListT<RISketchManager> over;
  sketchListT<RISketchManager> out;
  bool ok = divider.checkPieceLimits(divider.pieces, over);
  uint8_t axis = 1;
  bool previousPassCut = true;
  int result = RISketchDivider::divided;
  for (uint32_t passes = 0; !ok;) {
    const bool cut = divider.regroupPieces(over, out, axis);
    if (divider.boundReached()) {
      // Only the pieces within the limit before the passes stay.
      out.setEmpty();
      result = RISketchDivider::overLimit;
      break;
    }
    over.setEmpty();
    ok = divider.checkPieceLimits(out, over);
    axis = axis == 1 ? 0 : 1;
    ++passes;
    if (ok) break;
    if (passes == RISketchDivider::maxPasses || (!cut && !previousPassCut)) {
      result = RISketchDivider::overLimit;
      break;
    }
    previousPassCut = cut;
  }
  divider.pieces.appendAll(out);
  if (result == RISketchDivider::divided) {
    divider.orderPieces(divider.pieces);
    for (uint32_t i = 0; i < divider.pieces.count(); ++i) divider.pieces[i].orientLoops();
  }
  return {result,
          divider.pieces,
          divider.xCuts,
          divider.yCuts,
          divider.orphanage.lineCount(),
          divider.orphanage.arcCount()};
}

RISketchManager polygon(std::initializer_list<vectorC2d<double>> corners) {
  RISketchGeoLoop loop;
  const std::vector<vectorC2d<double>> points(corners);
  for (size_t i = 0; i < points.size(); ++i)
    loop.addLine(points[i], points[(i + 1) % points.size()], int32_t(i));
  RISketchManager sketch;
  sketch.addLoop(loop);
  return sketch;
}

}  // namespace

TEST(SketchDivider, RegroupingByContentGivesWhatPlainPassesGive) {
  using point = vectorC2d<double>;
  struct caseS {
    const char* name;
    RISketchManager sketch;
    uint32_t limit;
  };
  RISketchManager circles;
  for (int k = 0; k < 3; ++k) {
    RISketchGeoLoop circle;
    circle.addArc(point(0, 0), 1, 0, 360, 1, k);
    circles.addLoop(circle);
  }
  // Slanted islands, half circles and a column of lines: pieces come back from the passes as
  // they were, curves are lost, and the passes end at their bound.
  RISketchManager mixed = polygon({point(0, 21), point(15.25, 28.625), point(7.625, 51.5), point(-1, 36.25)});
  RISketchGeoLoop halfCircles;
  halfCircles.addArc(point(30, -1.75), point(23.5, 4.75), point(17, -1.75), 4);
  halfCircles.addArc(point(17, -1.75), point(23.5, -8.25), point(30, -1.75), 5);
  mixed.addLoop(halfCircles);
  for (const std::vector<point>& corners :
       {std::vector<point>{point(23, 22), point(34, 27.5), point(28.5, 44), point(22, 33)},
        std::vector<point>{point(24, 8), point(29, 10.5), point(26.5, 18), point(23, 13)},
        std::vector<point>{point(23, 16), point(46, 27.5), point(34.5, 62), point(22, 39)},
        std::vector<point>{point(3.5, 12), point(7.5, 12), point(7.5, 13.5), point(3.5, 13.5)}}) {
    RISketchGeoLoop loop;
    for (size_t i = 0; i < corners.size(); ++i) loop.addLine(corners[i], corners[(i + 1) % corners.size()], 10);
    mixed.addLoop(loop);
  }
  RISketchGeoLoop column;
  for (int k = 0; k < 5; ++k) column.addLine(7, 10.5 + k, 7, 11.5 + k, 20 + k);
  mixed.addLoop(column);
  RISketchManager apart = polygon({point(0, 0), point(4, 1), point(3, 5), point(-1, 3)});
  RISketchGeoLoop far = rectangle({20, 20, 21, 21}, 10);
  apart.addLoop(far);
  const std::vector<caseS> cases = {
      {"slanted quadrilateral", polygon({point(0, 0), point(4, 1), point(3, 5), point(-1, 3)}), 3},
      {"slanted quadrilateral and a square outside it", apart, 4},
      {"comb", combLoop(40), 6},
      {"equal circles", circles, 2},
      {"zero width", polygon({point(5, 0), point(5, 1), point(5, 2), point(5, 3), point(5, 4)}), 2},
      {"islands, arcs and a column", mixed, 7},
      {"three islands", pieceOf({{0, 0, 10, 4}, {1, 1, 2, 3}, {4, 1, 5, 3}, {7, 1, 8, 3}}), 15},
      {"twelve islands", islandRow(12), 9},
  };
  for (const caseS& c : cases) {
    const plainDivisionS expected = dividePlainly(c.sketch, c.limit);
    RISketchDivider divider;
    divider.setLimit(c.limit);
    divider.setObjects(c.sketch);
    EXPECT_EQ(divider.divide(true), expected.result) << c.name;
    ASSERT_EQ(divider.pieces.count(), expected.pieces.count()) << c.name;
    for (uint32_t i = 0; i < expected.pieces.count(); ++i)
      EXPECT_TRUE(RISketchContentStore::sameContent(divider.pieces[i], expected.pieces[i])) << c.name << " piece " << i;
    ASSERT_EQ(divider.xCuts.count(), expected.xCuts.count()) << c.name;
    for (uint32_t i = 0; i < expected.xCuts.count(); ++i) EXPECT_EQ(divider.xCuts[i], expected.xCuts[i]) << c.name;
    ASSERT_EQ(divider.yCuts.count(), expected.yCuts.count()) << c.name;
    for (uint32_t i = 0; i < expected.yCuts.count(); ++i) EXPECT_EQ(divider.yCuts[i], expected.yCuts[i]) << c.name;
    EXPECT_EQ(divider.orphanage.lineCount(), expected.lostLines) << c.name;
    EXPECT_EQ(divider.orphanage.arcCount(), expected.lostArcs) << c.name;
  }
}

TEST(SketchPieceStore, KeepsEachContentOnceBitForBit) {
  RISketchContentStore store;
  RISketchManager first = pieceOf({{0, 0, 1, 1}});
  RISketchManager same = pieceOf({{0, 0, 1, 1}});
  RISketchManager negativeZero = pieceOf({{-0.0, 0, 1, 1}});
  RISketchManager otherSource = pieceOf({{0, 0, 1, 1}});
  otherSource.loops[0].lines[2].setSource(99);
  RISketchManager otherTolerance = pieceOf({{0, 0, 1, 1}});
  otherTolerance.loops[0].lines[0].setTolerance(1e-3);
  const uint32_t id = store.intern(first);
  EXPECT_EQ(first.loopCount(), 0u) << "a new piece moves into the store";
  EXPECT_EQ(store.curves(id), 4u);
  EXPECT_EQ(store.intern(same), id);
  EXPECT_EQ(same.loopCount(), 1u) << "a piece already kept stays with the caller";
  std::vector<uint32_t> ids = {id};
  for (RISketchManager* piece : {&negativeZero, &otherSource, &otherTolerance}) {
    const uint32_t next = store.intern(*piece);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), next), 0) << "ids " << ids.size();
    ids.push_back(next);
  }
  // Released numbers are given out again, and their content is forgotten.
  std::vector<bool> marked(store.size(), false);
  marked[id] = true;
  store.releaseUnmarked(marked);
  RISketchManager again = pieceOf({{-0.0, 0, 1, 1}});
  const uint32_t reused = store.intern(again);
  EXPECT_NE(reused, id);
  EXPECT_LT(reused, store.size());
  EXPECT_EQ(store.size(), 4u);
  RISketchManager firstAgain = pieceOf({{0, 0, 1, 1}});
  EXPECT_EQ(store.intern(firstAgain), id);
}

namespace {

using point = vectorC2d<double>;

// Closed polygons found by the fuzz target, divided with the tolerance 0.5 and the limit 15:
// quadrilaterals sharing a corner with loops of zero-length lines. Their chains pass curves
// twice, and every regrouping pass used to copy them again, to 9,308 curves in one piece.
const std::vector<std::vector<point>> sharedCorners = [] {
  const double s = 18.999998999999999;
  return std::vector<std::vector<point>>{
      {point(6.9999989999999999, 6.9999989999999999), point(14.499998999999999, 10.749998999999999),
       point(10.749998999999999, 21.999998999999999), point(5.9999989999999999, 14.499998999999999)},
      {point(14.5, s), point(s, s), point(s, s), point(s, s), point(s, s)},
      {point(6.9999989999999999, 2.0000100000000001), point(26.999997999999998, 12.000009499999999),
       point(16.9999985, 42.000008000000001), point(5.9999989999999999, 22.000008999999999)},
      {point(s, s), point(22.000008999999999, 20.500004000000001), point(20.500004000000001, 25.000018999999998),
       point(17.999998999999999, 22.000008999999999)},
      {point(18, s), point(s, s), point(s, s), point(18, s)},
      {point(s, s), point(38.999997999999998, 28.999998499999997), point(28.999998499999997, 58.999996999999993),
       point(17.999998999999999, 38.999997999999998)}};
}();

RISketchManager polygons(const std::vector<std::vector<point>>& corners, double eps) {
  RISketchManager sketch;
  int32_t source = 0;
  for (const std::vector<point>& loopCorners : corners) {
    RISketchGeoLoop loop;
    loop.setEps(eps);
    for (size_t i = 0; i < loopCorners.size(); ++i)
      loop.addLine(loopCorners[i], loopCorners[(i + 1) % loopCorners.size()], source++);
    sketch.addLoop(loop);
  }
  return sketch;
}

std::string polygonsText(const std::vector<std::vector<point>>& corners) {
  auto pointText = [](const point& p) {
    char buffer[80];
    std::snprintf(buffer, sizeof buffer, "POINT{%.17g,%.17g}", p.x, p.y);
    return std::string(buffer);
  };
  std::string text = R"(SKETCH{NAME{"S"})";
  for (const std::vector<point>& loopCorners : corners) {
    text += ",LOOP{";
    for (size_t i = 0; i < loopCorners.size(); ++i)
      text += std::string(i ? "," : "") + "LINE{" + pointText(loopCorners[i]) + "," +
              pointText(loopCorners[(i + 1) % loopCorners.size()]) + "}";
    text += "}";
  }
  return text + "}";
}

}  // namespace

TEST(SketchDivider, RebuiltChainsHoldEachCurveOnceAndTheWholeWorkIsBounded) {
  struct caseS {
    const char* name;
    RISketchManager sketch;
    uint32_t limit;
    uint64_t workBound;
    int result;
    uint32_t mostCurves;  // in all pieces together; 0: not checked
  };
  const RISketchManager corners = polygons(sharedCorners, 0.5);
  const std::vector<caseS> cases = {
      // 25 curves, and what the cuts add: split curves and closing segments.
      {"corners shared by chains", corners, 15, RISketchDivider::maxWork, RISketchDivider::divided, 40},
      {"the same with too little work", corners, 15, 30, RISketchDivider::overLimit, 0},
      {"comb regrouped", combLoop(40), 6, RISketchDivider::maxWork, RISketchDivider::divided, 0},
      {"comb with too little work for its passes", combLoop(40), 6, 100, RISketchDivider::overLimit, 0},
      {"islands re-divided", islandRow(12), 9, RISketchDivider::maxWork, RISketchDivider::divided, 0},
      {"islands with too little work for the sweeps", islandRow(12), 9, 40, RISketchDivider::overLimit, 0},
  };
  for (const caseS& c : cases) {
    RISketchDivider divider;
    divider.setLimit(c.limit);
    divider.setWorkBound(c.workBound);
    divider.setObjects(c.sketch);
    EXPECT_EQ(divider.divide(true), c.result) << c.name;
    EXPECT_EQ(divider.boundReached(), c.result == RISketchDivider::overLimit) << c.name;
    if (c.result == RISketchDivider::overLimit) {
      EXPECT_GT(divider.workDone(), c.workBound) << c.name;
      continue;
    }
    EXPECT_LT(divider.workDone(), 1000u) << c.name;
    uint32_t curves = 0;
    for (uint32_t i = 0; i < divider.pieces.count(); ++i) {
      EXPECT_LE(divider.pieces[i].countObjects(), c.limit) << c.name;
      curves += divider.pieces[i].countObjects();
    }
    if (c.mostCurves > 0) {
      EXPECT_LE(curves, c.mostCurves) << c.name;
    }
  }
}

TEST(SketchDivider, AScriptDividingTheSketchWithSharedCornersKeepsItsPart) {
  using namespace modelScript;
  scriptC s;
  const std::string part =
      "PART{ITEMS{" + polygonsText(sharedCorners) + R"(,BASE{NAME{"F"},TYP{EXTRUDE},USED{"S"},PARAM{5,0,0}}}})";
  dispatchT p = s.make("topart", part.c_str());
  const std::string before = compact(p);
  dispatchT d = method(s.factory, "Create", {text("prxm3dsketchdivider")});
  put(d.get(), "SketchEPS", doubleValue(0.5));
  put(d.get(), "BurstValue", number(0));
  EXPECT_EQ(intOf(method(d.get(), "DivideSketch", {objectValue(p)})), 0);
  // Its pieces do not give back every curve whole: the sketch and its feature stay.
  EXPECT_EQ(compact(p), before);
}
