#include <gtest/gtest.h>

#include <cmath>

#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::planeMatrix;
using shapeTest::treeC;

namespace {

constexpr double pi = 3.141592653589793;

// True when p lies in the convex quadrilateral of the corners, given in order around it.
bool insideCorners(const vectorC2d<double>* c, const vectorC2d<double>& p) {
  int sign = 0;
  for (int i = 0; i < 4; ++i) {
    const vectorC2d<double> edge = c[(i + 1) % 4] - c[i];
    const double cross = edge.x * (p.y - c[i].y) - edge.y * (p.x - c[i].x);
    if (std::fabs(cross) < 1e-9) continue;
    if (sign && (cross > 0 ? 1 : -1) != sign) return false;
    sign = cross > 0 ? 1 : -1;
  }
  return true;
}

}  // namespace

TEST(MBaseArc2dC, GeometryComesFromTheThreePoints) {
  struct caseS {
    const char* text;
    double radius, start, end, sweep;
    int clockwise;
  };
  const caseS cases[] = {
      {"ARC{POINT{1,0},POINT{0,1},POINT{-1,0}}", 1, 0, 180, 180, 0},
      {"ARC{POINT{-1,0},POINT{0,1},POINT{1,0}}", 1, 180, 0, 180, 1},
      {"ARC{POINT{0,1},POINT{1,0},POINT{0,-1}}", 1, 90, 270, 180, 1},
      {"ARC{POINT{2,0},POINT{-2,0},POINT{0,-2}}", 2, 0, 270, 270, 0},
      {"ARC{POINT{0.984807753012208,-0.17364817766693},POINT{1,0},POINT{0.984807753012208,0.17364817766693}}", 1,
       350, 10, 20, 0},
      {"ARC{POINT{0,0},POINT{1,1},POINT{2,2}}", 0, 0, 45, 315, 1},  // collinear: centre (0,0)
      {"ARC", 0, 0, 0, 0, 1},
  };
  for (const caseS& c : cases) {
    SCOPED_TRACE(c.text);
    treeC tree(c.text);
    mBaseArc2dC arc(tree.node(), 0);
    EXPECT_NEAR(arc.getRadius(), c.radius, 1e-12);
    EXPECT_NEAR(arc.getStartAngle(), c.start, 1e-9);
    EXPECT_NEAR(arc.getEndAngle(), c.end, 1e-9);
    EXPECT_NEAR(arc.getSweepAngle(), c.sweep, 1e-9);
    EXPECT_EQ(arc.isClockwise(), c.clockwise);
    EXPECT_NEAR(arc.getLength(), c.sweep * c.radius / 180 * pi, 1e-12);
    double from;
    double to;
    arc.getAnglesAscending(from, to);
    EXPECT_NEAR(to - from, c.sweep ? c.sweep : 360, 1e-9);
  }
}

TEST(MBaseArc2dC, SamplesRunCounterClockwiseAndStayInsideTheCorners) {
  treeC clockwise("ARC{POINT{0,1},POINT{1,0},POINT{0,-1}}");
  point2dArrayC points;
  ASSERT_EQ(mBaseArc2dC(clockwise.node(), 0).appendPoints(points, -pi / 2), 3);
  const double expected[3][2] = {{0, -1}, {1, 0}, {0, 1}};
  for (uint32_t i = 0; i < 3; ++i) expectPoint(points[i], expected[i][0], expected[i][1]);
  treeC empty("ARC");
  ASSERT_EQ(mBaseArc2dC(empty.node(), 0).appendPoints(points, 0.0), 1);
  expectPoint(points[0], 0, 0);

  // Among them arcs whose intermediate point lies next to the start, as in fitted arcs.
  const char* arcs[] = {
      "ARC{POINT{1,0},POINT{0.7071067811865476,0.7071067811865476},POINT{0,1}}",
      "ARC{POINT{2,0},POINT{-2,0},POINT{0,-2}}",
      "ARC{POINT{3,1},POINT{1,3},POINT{-1,1}}",
      "ARC{POINT{1,0},POINT{0.9998476951563913,0.01745240643728351},POINT{0.984807753012208,-0.17364817766693}}",
      "ARC{POINT{2,2},POINT{5,0},POINT{2,2}}",
      "ARC",
  };
  for (const char* text : arcs) {
    SCOPED_TRACE(text);
    treeC tree(text);
    mBaseArc2dC shape(tree.node(), 0);
    vectorC2d<double> c[4];
    shape.getBoundingCorners(c[0], c[1], c[2], c[3]);
    shape.appendPoints(points, 0.01);
    for (uint32_t i = 0; i < points.elementCount; ++i) EXPECT_TRUE(insideCorners(c, points[i])) << i;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(insideCorners(c, shape.getPointAt(i)));
  }

  mBaseArc2dC arc(clockwise.node(), 0);
  EXPECT_EQ(arc.reverse(), 1);
  EXPECT_EQ(arc.scale(2), 1);
  EXPECT_EQ(arc.transform(planeMatrix(1, 0, 1, 0, 1, 0)), 1);
  EXPECT_EQ(arc.setEndPoints(vectorC2d<double>(0, 0), vectorC2d<double>(NAN, 0)), 0);
  EXPECT_EQ(arc.transform(planeMatrix(NAN, 0, 0, 0, 1, 0)), 0);
  EXPECT_EQ(clockwise.text(), "ARC{POINT{1,-2}POINT{3,0}POINT{1,2}}");
}

TEST(MBaseCircle2dC, SlotsUseCentreAndRadius) {
  treeC tree("CIRCLE{POINT{1,1},RAD{2}}");
  mBaseCircle2dC circle(tree.node(), 0);
  EXPECT_NEAR(circle.getLength(), 4 * pi, 1e-12);
  point2dArrayC points;
  ASSERT_EQ(circle.appendPoints(points, 0.0), 74);
  expectPoint(points[0], 3, 1);
  expectPoint(points[73], 3, 1);
  const int bounded = circle.appendPoints(points, 1e-300);
  EXPECT_GE(bounded, 1000001);
  EXPECT_LE(bounded, 1000003);

  vectorC2d<double> c[4];
  circle.getBoundingCorners(c[0], c[1], c[2], c[3]);
  const double corners[4][2] = {{-1, 3}, {3, 3}, {3, -1}, {-1, -1}};
  for (int i = 0; i < 4; ++i) expectPoint(c[i], corners[i][0], corners[i][1]);
  EXPECT_EQ(circle.getEndPoints(c[0], c[1]), 0);
  expectPoint(c[0], -1, 3);

  EXPECT_EQ(circle.scale(2), 1);
  EXPECT_EQ(tree.text(), "CIRCLE{POINT{2,2}RAD{4}}");
  EXPECT_EQ(circle.transform(planeMatrix(2, 0, 0, 0, 2, 0)), 1);
  EXPECT_EQ(circle.scale(1e308) + circle.setRadius(INFINITY), 0);
  EXPECT_EQ(tree.text(), "CIRCLE{POINT{4,4}RAD{4}}");

  treeC odd("CIRCLE{RAD{\"x\"}}");
  mBaseCircle2dC oddCircle(odd.node(), 0);
  EXPECT_EQ(oddCircle.getRadius(), 0.0);
  EXPECT_EQ(oddCircle.setRadius(3), 1);
  EXPECT_EQ(oddCircle.getMiddlePointObj().getPoint().x, 0.0);
  EXPECT_EQ(odd.text(), "CIRCLE{RAD{3,\"x\"}POINT}");
}
