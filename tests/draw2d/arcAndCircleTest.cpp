#include <gtest/gtest.h>

#include <cmath>

#include "draw2d/mBaseArc2dC.h"
#include "draw2d/mBaseCircle2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::planeMatrix;
using shapeTest::treeC;

namespace {

constexpr double pi = 3.141592653589793;

// True when p lies in the convex quadrilateral of the corners (given in order around it).
bool insideCorners(const vectorC2d<double>* c, const vectorC2d<double>& p) {
  int sign = 0;
  for (int i = 0; i < 4; ++i) {
    const vectorC2d<double> edge = c[(i + 1) % 4] - c[i];
    const vectorC2d<double> to = p - c[i];
    const double cross = edge.x * to.y - edge.y * to.x;
    if (std::fabs(cross) < 1e-9) continue;
    const int side = cross > 0 ? 1 : -1;
    if (sign && side != sign) return false;
    sign = side;
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
      {"ARC{POINT{0,0},POINT{1,1},POINT{2,2}}", 0, 0, 45, 315, 1},
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
  }
  // Collinear points have their centre at the origin.
  treeC collinear(cases[4].text);
  expectPoint(mBaseArc2dC(collinear.node(), 0).getMiddlePoint(), 0, 0);

  // 350 -> 10 counter-clockwise.
  const double a = 350 * pi / 180;
  const double b = 10 * pi / 180;
  treeC wrap("ARC");
  mBaseArc2dC wrapping(wrap.node(), 0);
  wrapping.setEndPoints(vectorC2d<double>(std::cos(a), std::sin(a)), vectorC2d<double>(std::cos(b), std::sin(b)));
  wrapping.setPointAt(1, vectorC2d<double>(1, 0));
  double start;
  double end;
  wrapping.getAnglesAscending(start, end);
  EXPECT_NEAR(start, 350, 1e-9);
  EXPECT_NEAR(end, 370, 1e-9);
  EXPECT_NEAR(wrapping.getSweepAngle(), 20, 1e-9);
}

TEST(MBaseArc2dC, SamplesRunCounterClockwiseAndStayInsideTheCorners) {
  treeC clockwise("ARC{POINT{0,1},POINT{1,0},POINT{0,-1}}");
  mBaseArc2dC arc(clockwise.node(), 0);
  point2dArrayC points;
  ASSERT_EQ(arc.appendPoints(points, pi / 2), 3);
  expectPoint(points[0], 0, -1);
  expectPoint(points[1], 1, 0);
  expectPoint(points[2], 0, 1);
  EXPECT_EQ(arc.appendPoints(points, -pi / 2), 3);

  treeC empty("ARC");
  mBaseArc2dC none(empty.node(), 0);
  EXPECT_EQ(none.getStartAngle(), 0.0);
  ASSERT_EQ(none.appendPoints(points, 0.0), 1);
  expectPoint(points[0], 0, 0);

  const char* arcs[] = {
      "ARC{POINT{1,0},POINT{0.7071067811865476,0.7071067811865476},POINT{0,1}}",
      "ARC{POINT{2,0},POINT{-2,0},POINT{0,-2}}",
      "ARC{POINT{3,1},POINT{1,3},POINT{-1,1}}",
      "ARC{POINT{-1,0},POINT{0,1},POINT{1,0}}",
      "ARC{POINT{1,0},POINT{0.9998476951563913,0.01745240643728351},POINT{0.9848077530122080,-0.1736481776669303}}",
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
    for (const vectorC2d<double>& corner : c) EXPECT_TRUE(std::isfinite(corner.x) && std::isfinite(corner.y));
  }
}

TEST(MBaseArc2dC, WritesMoveTheStoredPoints) {
  treeC tree("ARC{POINT{1,0},POINT{0,1},POINT{-1,0}}");
  mBaseArc2dC arc(tree.node(), 0);
  EXPECT_EQ(arc.reverse(), 1);
  EXPECT_EQ(tree.text(), "ARC{POINT{-1,0}POINT{0,1}POINT{1,0}}");
  EXPECT_EQ(arc.scale(2), 1);
  EXPECT_EQ(arc.transform(planeMatrix(1, 0, 1, 0, 1, 0)), 1);
  EXPECT_EQ(tree.text(), "ARC{POINT{-1,0}POINT{1,2}POINT{3,0}}");
  EXPECT_EQ(arc.setEndPoints(vectorC2d<double>(0, 0), vectorC2d<double>(4, 0)), 1);
  EXPECT_EQ(arc.transform(planeMatrix(NAN, 0, 0, 0, 1, 0)), 0);
  EXPECT_EQ(tree.text(), "ARC{POINT{0,0}POINT{1,2}POINT{4,0}}");
  vectorC2d<double> start;
  vectorC2d<double> end;
  EXPECT_EQ(arc.getEndPoints(start, end), 1);
  expectPoint(end, 4, 0);
}

TEST(MBaseCircle2dC, SlotsUseCentreAndRadius) {
  treeC tree("CIRCLE{POINT{1,1},RAD{2}}");
  mBaseCircle2dC circle(tree.node(), 0);
  EXPECT_NEAR(circle.getLength(), 4 * pi, 1e-12);
  point2dArrayC points;
  ASSERT_EQ(circle.appendPoints(points, 0.0), 74);
  expectPoint(points[0], 3, 1);
  expectPoint(points[73], 3, 1);
  EXPECT_EQ(circle.appendPoints(points, -pi / 2), 5);
  const int bounded = circle.appendPoints(points, 1e-300);
  EXPECT_GE(bounded, 1000001);
  EXPECT_LE(bounded, 1000003);
  expectPoint(points[points.elementCount - 1], 3, 1);

  vectorC2d<double> c[4];
  circle.getBoundingCorners(c[0], c[1], c[2], c[3]);
  expectPoint(c[0], -1, 3);
  expectPoint(c[1], 3, 3);
  expectPoint(c[2], 3, -1);
  expectPoint(c[3], -1, -1);
  vectorC2d<double> start(-5, -5);
  EXPECT_EQ(circle.getEndPoints(start, start), 0);
  expectPoint(start, -5, -5);

  EXPECT_EQ(circle.scale(2), 1);
  EXPECT_EQ(tree.text(), "CIRCLE{POINT{2,2}RAD{4}}");
  EXPECT_EQ(circle.transform(planeMatrix(2, 0, 0, 0, 2, 0)), 1);
  EXPECT_EQ(tree.text(), "CIRCLE{POINT{4,4}RAD{4}}");
  EXPECT_EQ(circle.scale(1e308), 0);
  EXPECT_EQ(circle.setRadius(INFINITY), 0);
  EXPECT_EQ(tree.text(), "CIRCLE{POINT{4,4}RAD{4}}");

  treeC odd("CIRCLE{RAD{\"x\"}}");
  mBaseCircle2dC oddCircle(odd.node(), 0);
  EXPECT_EQ(oddCircle.getRadius(), 0.0);
  EXPECT_EQ(oddCircle.setRadius(3), 1);
  EXPECT_EQ(oddCircle.getMiddlePointObj().getPoint().x, 0.0);
  EXPECT_EQ(odd.text(), "CIRCLE{RAD{3,\"x\"}POINT}");
}
