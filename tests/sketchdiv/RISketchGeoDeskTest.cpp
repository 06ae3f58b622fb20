#include "sketchdiv/RISketchGeoDesk.h"

#include <gtest/gtest.h>

#include <string>

#include "sketchdiv/RISketchCurveTally.h"
#include "sketchdiv/loopsToModel.h"
#include "tests/draw2d/shapeTestHelpers.h"
#include "tests/helpers/poolBalance.h"

namespace {

using shapeTest::treeC;
using point = vectorC2d<double>;

class sketchDesk : public poolBalancedTest {};

std::string textOf(const m3dSketchC& sketch) { return sketch.writeToStringValue(1, 0).c_str(); }

RISketchGeoLoop squareLoop(double x, double y, double side, int32_t firstSource) {
  RISketchGeoLoop loop;
  loop.addLine(x, y, x + side, y, firstSource);
  loop.addLine(x + side, y, x + side, y + side, firstSource + 1);
  loop.addLine(x + side, y + side, x, y + side, firstSource + 2);
  loop.addLine(x, y + side, x, y, firstSource + 3);
  return loop;
}

TEST_F(sketchDesk, LimitAndToleranceKeepTheirFloorThroughClearUntilReset) {
  RISketchGeoDesk desk;
  EXPECT_EQ(desk.getBurstValue(), 15);
  EXPECT_EQ(desk.getSketchEps(), 1e-6);
  for (auto [given, stored] : {std::pair{14, 15}, {15, 15}, {16, 16}, {-5, -5}, {0, 15}}) {
    desk.setBurstValue(given);
    EXPECT_EQ(desk.getBurstValue(), stored) << given;
  }
  desk.setBurstValue(40);
  desk.setSketchEps(0.01);
  desk.clear();
  EXPECT_EQ(desk.getBurstValue(), 40);
  EXPECT_EQ(desk.getSketchEps(), 0.01);
  desk.reset();
  EXPECT_EQ(desk.getBurstValue(), 15);
  EXPECT_EQ(desk.getSketchEps(), 1e-6);
  EXPECT_EQ(RISketchGeoDesk::withLeadingZeros(7), "00007");
  EXPECT_EQ(RISketchGeoDesk::withLeadingZeros(12345), "12345");
}

TEST_F(sketchDesk, IntakeTakesLinesArcsAndCirclesAndLeavesTheSketchAsItWas) {
  treeC tree(
      "SKETCH{NAME{\"S\"},LOOP{LINE{POINT{0,0},POINT{2,0}},POINT{5,5},ARC{POINT{2,0},POINT{1,1},POINT{0,0}}},"
      "LOOP{CIRCLE{POINT{7,7},RAD{1}}},CENTER{POINT{0,0},POINT{1,0}}}");
  const std::string text = tree.text();
  m3dSketchC sketch(tree.node(), 0);
  RISketchGeoDesk desk;
  desk.setSketchEps(0.01);
  ASSERT_TRUE(desk.addSketch(sketch));
  EXPECT_EQ(tree.text(), text);

  // Within the limit the sketch comes back whole, as one piece of its loops alone.
  EXPECT_EQ(desk.divide(), 2);
  EXPECT_EQ(desk.getPieceCount(), 1u);
  sketchListT<m3dSketchC> results;
  EXPECT_TRUE(desk.getResults(results));
  ASSERT_EQ(results.count(), 1u);
  EXPECT_EQ(textOf(results[0]),
            "SKETCH{LOOP{LINE{POINT{0,0}POINT{2,0}}ARC{POINT{2,0}POINT{1,1}POINT{0,0}}}"
            "LOOP{CIRCLE{POINT{7,7}RAD{1}}}}");

  // A circle in the loop of the line and the arc is taken too: it follows neither, so the
  // piece no longer converts whole. Shapes lacking points are read without being completed.
  treeC joined("SKETCH{LOOP{LINE{POINT{0,0},POINT{2,0}},ARC{POINT{2,0},POINT{1,1},POINT{0,0}},CIRCLE{POINT{7,7}}},"
               "LOOP{LINE{POINT{3,3}},ARC,CIRCLE{RAD{2}}}}");
  const std::string joinedText = joined.text();
  m3dSketchC joinedSketch(joined.node(), 0);
  desk.clear();
  ASSERT_TRUE(desk.addSketch(joinedSketch));
  EXPECT_EQ(joined.text(), joinedText);
  EXPECT_EQ(desk.divide(), 2);
  sketchListT<m3dSketchC> partial;
  EXPECT_FALSE(desk.getResults(partial));
}

TEST_F(sketchDesk, ADivisionThatLosesAnEdgeGivesNoResults) {
  // Three islands in a row; the outer loop's top edge starts 0.01 above the corner, so the
  // rebuilt pieces lose the bottom edge of the rightmost piece.
  const char* island = "LOOP{LINE{POINT{%d,1},POINT{%d,1}},LINE{POINT{%d,1},POINT{%d,3}},"
                       "LINE{POINT{%d,3},POINT{%d,3}},LINE{POINT{%d,3},POINT{%d,1}}}";
  for (double top : {4.0, 4.01}) {
    char outer[256];
    std::snprintf(outer, sizeof outer,
                  "SKETCH{LOOP{LINE{POINT{0,0},POINT{10,0}},LINE{POINT{10,0},POINT{10,4}},LINE{POINT{10,%g},"
                  "POINT{0,4}},LINE{POINT{0,4},POINT{0,0}}}",
                  top);
    std::string text = outer;
    for (int x : {1, 4, 7}) {
      char loop[256];
      std::snprintf(loop, sizeof loop, island, x, x + 1, x + 1, x + 1, x + 1, x, x, x);
      text += std::string(",") + loop;
    }
    treeC tree((text + "}").c_str());
    m3dSketchC sketch(tree.node(), 0);
    RISketchGeoDesk desk;
    ASSERT_TRUE(desk.addSketch(sketch));
    EXPECT_EQ(desk.divide(), 0) << top;
    EXPECT_EQ(desk.getPieceCount(), 3u) << top;
    sketchListT<m3dSketchC> results;
    EXPECT_EQ(desk.getResults(results), top == 4.0) << top;
    EXPECT_EQ(results.count(), 3u) << top;
  }
}

TEST_F(sketchDesk, SketchesTheEngineCannotHoldAreRefused) {
  RISketchGeoDesk desk;
  for (const char* text : {
           "SKETCH{LOOP{LINE{POINT{0,0},POINT{1e999,1}},LINE{POINT{1,1},POINT{0,0}}}}",
           "SKETCH{LOOP{LINE{POINT{-1e308,0},POINT{1e308,0}},LINE{POINT{1e308,0},POINT{-1e308,1}}}}",
           "SKETCH{LOOP{LINE{POINT{0,-1e200},POINT{1e200,0}}}}",
           "SKETCH{LOOP{CIRCLE{POINT{0,0},RAD{-1e999}}}}",
           "SKETCH{LOOP{ARC{POINT{0,0},POINT{1e999,1},POINT{2,0}}}}",
       }) {
    treeC tree(text);
    const std::string before = tree.text();
    m3dSketchC sketch(tree.node(), 0);
    desk.clear();
    EXPECT_FALSE(desk.addSketch(sketch)) << text;
    EXPECT_EQ(desk.divide(), 4) << text;
    EXPECT_EQ(tree.text(), before);
  }
}

TEST_F(sketchDesk, PiecesBecomeSketchesOfLoopsInChainOrder) {
  RISketchManager piece;
  RISketchGeoLoop outer;
  outer.addLine(4, 0, 4, 4, 1);
  outer.addLine(0, 0, 4, 0, 0);
  outer.addLine(0, 4, 0, 0, 3);
  outer.addLine(4, 4, 0, 4, 2);
  piece.addLoop(outer);
  RISketchGeoLoop hole;
  hole.addArc(point(0, 0), 1.0, 0.0, 180.0, 0, 4);
  hole.addLine(-1, 0, 1, 0, 5);
  piece.addLoop(hole);
  RISketchGeoLoop empty;
  piece.addLoop(empty);
  RISketchGeoLoop circle;
  circle.addArc(point(2, 2), 0.5, 0.0, 360.0, 0, 6);
  piece.addLoop(circle);

  sketchListT<m3dSketchC> sketches;
  RISketchCurveTally placed;
  ASSERT_TRUE(loopsToModel(piece, sketches, &placed));
  ASSERT_EQ(sketches.count(), 1u);
  EXPECT_EQ(textOf(sketches[0]),
            "SKETCH{LOOP{LINE{POINT{4,0}POINT{4,4}}LINE{POINT{4,4}POINT{0,4}}LINE{POINT{0,4}POINT{0,0}}"
            "LINE{POINT{0,0}POINT{4,0}}}LOOP{LINE{POINT{-1,0}POINT{1,0}}ARC{POINT{1,0}POINT{0,1}POINT{-1,0}}}"
            "LOOP{CIRCLE{POINT{2,2}RAD{0.5}}}}");

  // The tally holds every curve written: the input placed once, whole.
  RISketchManager inputs;
  inputs.addLoop(*piece.loopAt(0));
  inputs.addLoop(*piece.loopAt(1));
  inputs.addLoop(*piece.loopAt(3));
  EXPECT_TRUE(placed.placesEvery(inputs));
}

TEST_F(sketchDesk, APieceThatDoesNotChainWholeDoesNotConvert) {
  struct caseS {
    const char* name;
    RISketchManager piece;
  };
  RISketchManager twoSquares;
  RISketchGeoLoop both = squareLoop(0, 0, 1, 0);
  RISketchGeoLoop second = squareLoop(3, 0, 1, 4);
  for (uint32_t i = 0; i < second.lineCount(); ++i) both.appendLine(*second.lineAt(i));
  twoSquares.addLoop(both);
  RISketchManager onlyEmpty;
  RISketchGeoLoop empty;
  onlyEmpty.addLoop(empty);
  RISketchManager open;
  RISketchGeoLoop gap = squareLoop(0, 0, 1, 0);
  gap.lineAt(2)->start = point(1, 1.5);
  open.addLoop(gap);
  for (RISketchManager* piece : {&twoSquares, &onlyEmpty, &open}) {
    sketchListT<m3dSketchC> sketches;
    EXPECT_FALSE(loopsToModel(*piece, sketches));
    EXPECT_EQ(sketches.count(), 1u);
  }
}

TEST_F(sketchDesk, EveryInputCurveMustComeBackOnceInWhole) {
  RISketchManager inputs;
  RISketchGeoLoop loop;
  loop.setEps(0.001);
  loop.addLine(0, 0, 10, 0, 0);
  loop.addLine(10, 0, 0, 0, 1);  // an equal twin, which a loop drops
  loop.addArc(point(0, 0), 2.0, 0.0, 90.0, 0, 2);
  inputs.addLoop(loop);

  auto line = [](double x1, double x2, int32_t source) {
    RISketchGeoLine part(point(x1, 0), point(x2, 0));
    part.setSource(source);
    return part;
  };
  auto arc = [](double from, double to, int32_t source) {
    RISketchGeoArc part(point(0, 0), 2.0, from, to, 0);
    part.setSource(source);
    return part;
  };
  struct caseS {
    const char* name;
    std::vector<RISketchGeoLine> lines;
    std::vector<RISketchGeoArc> arcs;
    bool placed;
  };
  const caseS cases[] = {
      {"whole in parts", {line(0, 3, 0), line(6, 3, 0), line(6, 10, 0)}, {arc(0, 30, 2), arc(30, 90, 2)}, true},
      {"a part no longer than the tolerance missing", {line(0, 9.9995, 0)}, {arc(0, 90, 2)}, true},
      {"a part dropped", {line(0, 3, 0), line(3, 6, 0)}, {arc(0, 90, 2)}, false},
      {"a part doubled", {line(0, 10, 0), line(0, 3, 0)}, {arc(0, 90, 2)}, false},
      {"an arc short", {line(0, 10, 0)}, {arc(0, 60, 2)}, false},
      {"an arc reversed", {line(0, 10, 0)}, {[&] { RISketchGeoArc a = arc(0, 90, 2); a.reverse(); return a; }()}, true},
      {"the twin alone", {line(0, 10, 1)}, {arc(0, 90, 2)}, true},
      {"nothing", {}, {}, false},
  };
  for (const caseS& c : cases) {
    RISketchCurveTally tally;
    for (const RISketchGeoLine& l : c.lines) tally.add(l);
    for (const RISketchGeoArc& a : c.arcs) tally.add(a);
    EXPECT_EQ(tally.placesEvery(inputs), c.placed) << c.name;
  }
}

}  // namespace
