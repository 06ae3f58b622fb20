#include <gtest/gtest.h>

#include <cmath>

#include "model3d/sketches/m3dLoopC.h"
#include "tests/model3d/model3dTestHelpers.h"
#include "tests/model3d/nurbTestHelpers.h"

using namespace nurbTest;

TEST(nurbBuildersTest, LinesArcsAndCircles) {
  point3 meeting(9, 9, 9);
  EXPECT_EQ(intersectLines({0, 1, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, meeting), 1);
  expectNear(meeting, {1, 1, 0});
  EXPECT_EQ(intersectLines({0, 1, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}, meeting), 0);
  expectNear(meeting, {1, 1, 0});

  const point3 o(0, 0, 0), x(1, 0, 0), y(0, 1, 0);
  nurbCurveC arc;
  arc.makeArc(o, x, y, 0, M_PI / 2, 2);
  expectPoints(arc, {{2, 0, 0}, {2, 2, 0}, {0, 2, 0}});
  memManDataPoolC<double> weights;
  arc.getWeights(weights);
  EXPECT_EQ(weights.data[1], 0.7071067811865476);
  EXPECT_EQ(knotsOf(arc), (std::vector<double>{0, 0, 0, 1, 1, 1}));
  arc.makeArc(o, x, y, 0, 91 * M_PI / 180, 2);
  EXPECT_EQ(arc.getPointCount(), 5u);
  EXPECT_EQ(knotsOf(arc), (std::vector<double>{0, 0, 0, 0.5, 0.5, 1, 1, 1}));
  arc.makeArc(o, x, y, 3 * M_PI / 2, 0, 2);
  EXPECT_EQ(arc.getPointCount(), 3u);
  expectNear(arc.getStartPoint(), {0, -2, 0});
  expectNear(arc.getEndPoint(), {2, 0, 0});
  for (double end : {-double(INFINITY), double(NAN)}) {
    arc.makeArc(o, x, y, 0, end, 2);
    EXPECT_EQ(arc.getPointCount(), 3u);
    expectNear(arc.getEndPoint(), {2, 0, 0});
  }
  arc.makeArc(o, x, y, 0, -1e300, 2);
  EXPECT_FALSE(arc.isEmpty());
  arc.makeArc(o, x, y, 1, 1, 2);
  const std::vector<point3> still = pointsOf(arc);
  expectNear(still[1], still[0]);
  expectNear(still[1], still[2]);

  matrixC4x4<double> frame = model3dTest::identity();
  frame.values[12] = 1;
  frame.values[13] = 2;
  nurbCurveC circle;
  circle.makeCircle(frame, 6);
  ASSERT_EQ(circle.getPointCount(), 9u);
  expectNear(pointsOf(circle)[0], {4, 2, 0});
  expectNear(pointsOf(circle)[2], {1, 5, 0});
  EXPECT_EQ(knotsOf(circle), (std::vector<double>{0, 0, 0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1, 1, 1}));
  for (double t : {0.1, 0.45, 0.8}) {
    const point3 p = circle.curvePoint(t);
    EXPECT_NEAR(std::hypot(p.x - 1, p.y - 2), 3.0, 1e-12);
  }

  // A join turns its pieces so that they meet; degrees and gaps refuse it.
  nurbCurveC a, b, joined;
  a.makeLine({0, 0, 0}, {1, 0, 0});
  b.makeLine({2, 0, 0}, {1, 0, 0});
  ASSERT_EQ(joined.join(a, b), 1);
  expectPoints(joined, {{0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}});
  EXPECT_EQ(knotsOf(joined), (std::vector<double>{0, 0, 1, 1, 2, 2}));
  nurbCurveC untouched;
  EXPECT_EQ(untouched.join(a, circle), 0);
  b.makeLine({1, 2e-8, 0}, {2, 0, 0});
  EXPECT_EQ(untouched.join(a, b), 0);
  EXPECT_TRUE(untouched.isEmpty());
}

TEST(nurbBuildersTest, LoopsBecomeClosedCurves) {
  const struct {
    const char* loop;
    uint32_t degree;
    uint32_t points;
    std::vector<double> knots;
  } loops[] = {
      {"LOOP{LINE{POINT{0,0},POINT{1,0}},LINE{POINT{1,0},POINT{1,1}},LINE{POINT{1,1},POINT{0,1}},"
       "LINE{POINT{0,1},POINT{0,0}}}",
       1, 8, {0, 0, 1, 1, 2, 2, 3, 3, 4, 4}},
      {"LOOP{LINE{POINT{0,-1},POINT{2,-1}},ARC{POINT{2,-1},POINT{3,0},POINT{2,1}},LINE{POINT{2,1},POINT{0,1}},"
       "ARC{POINT{0,1},POINT{-1,0},POINT{0,-1}}}",
       2, 18, {0, 0, 0, 0.5, 1, 1, 1, 1.5, 1.5, 2, 2, 2, 2.5, 3, 3, 3, 3.5, 3.5, 4, 4, 4}},
      {"LOOP{CIRCLE{POINT{1,2},RAD{3}}}", 2, 9, {0, 0, 0, 0.25, 0.25, 0.5, 0.5, 0.75, 0.75, 1, 1, 1}},
      {"LOOP{LINE{POINT{0,0},POINT{1,0}},LINE{POINT{1,0},POINT{1,1}},LINE{POINT{1,1.00000002},POINT{0,1}},"
       "LINE{POINT{0,1},POINT{0,0}}}",
       0, 0, {}},
      {"LOOP", 0, 0, {}},
      {"LOOP{LINE{POINT{0,0},POINT{1,0}},ELLIPSE{POINT{0,0}}}", 0, 0, {}},
  };
  for (const auto& c : loops) {
    model3dTest::treeC tree(c.loop);
    const nurbCurveC result = m3dLoopC(tree.node(), 0).createNurbCurve();
    EXPECT_EQ(result.getPeriodic(), 1u) << c.loop;
    EXPECT_EQ(result.getPointCount(), c.points) << c.loop;
    EXPECT_EQ(knotsOf(result), c.knots) << c.loop;
    if (c.points) {
      EXPECT_EQ(result.getDegree(), c.degree) << c.loop;
    }
  }
  model3dTest::treeC stadium(loops[1].loop);
  const nurbCurveC curve = m3dLoopC(stadium.node(), 0).createNurbCurve();
  expectNear(curve.curvePoint(1.5), {3, 0, 0});
  expectNear(curve.curvePoint(3.5), {-1, 0, 0});
  expectNear(curve.curvePoint(4.25), curve.curvePoint(0.25));
}
