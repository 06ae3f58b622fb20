#include <gtest/gtest.h>

#include <cmath>

#include "draw2d/mBaseEllipse2dC.h"
#include "draw2d/mBaseEllipseArc2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::planeMatrix;
using shapeTest::treeC;

namespace {

constexpr double pi = 3.141592653589793;

}  // namespace

TEST(MBaseEllipse2dC, AxesSamplesAndTransforms) {
  treeC tree("ELLIPSE{POINT{0,0},RAD1{2},RAD2{1},ANGLE{90}}");
  mBaseEllipse2dC ellipse(tree.node(), 0);
  vectorC2d<double> major;
  vectorC2d<double> minor;
  ellipse.getAxisPoints(major, minor);
  expectPoint(major, 0, 2);
  expectPoint(minor, -1, 0);
  EXPECT_EQ(ellipse.getRadiusRatio(), 2.0);
  point2dArrayC points;
  ASSERT_EQ(ellipse.appendPoints(points, pi / 2), 5);
  const double expected[5][2] = {{0, 2}, {-1, 0}, {0, -2}, {1, 0}, {0, 2}};
  for (int i = 0; i < 5; ++i) expectPoint(points[uint32_t(i)], expected[i][0], expected[i][1]);

  // What the shape base leaves to the registered class: no length, box or ends.
  EXPECT_EQ(ellipse.getLength(), 0.0);
  vectorC2d<double> c[4] = {{-5, -5}, {-5, -5}, {-5, -5}, {-5, -5}};
  ellipse.getBoundingCorners(c[0], c[1], c[2], c[3]);
  expectPoint(c[2], -5, -5);
  EXPECT_EQ(ellipse.getEndPoints(major, minor), 0);

  // Turned, moved, scaled and squashed to a point: the axis end's image sets ANGLE.
  struct caseS {
    double m[6];
    double x, y, angle;
  };
  const caseS cases[] = {
      {{0, -1, 0, 1, 0, 0}, 0, 0, 180},
      {{1, 0, 3, 0, 1, 4}, 3, 4, 90},
      {{2, 0, 0, 0, 2, 0}, 0, 0, 90},
      {{0, 0, 5, 0, 0, 6}, 5, 6, 90},
  };
  for (const caseS& t : cases) {
    treeC copy("ELLIPSE{POINT{0,0},RAD1{2},RAD2{1},ANGLE{90}}");
    mBaseEllipseCore2dC core(copy.node(), 0);
    EXPECT_EQ(core.transform(planeMatrix(t.m[0], t.m[1], t.m[2], t.m[3], t.m[4], t.m[5])), 1);
    expectPoint(core.getMiddlePoint(), t.x, t.y);
    EXPECT_NEAR(core.getAngle(), t.angle, 1e-9);
    EXPECT_EQ(core.getMajorRad(), 2.0);
    EXPECT_EQ(core.getMinorRad(), 1.0);
  }

  treeC scaled("ELLIPSE{POINT{1,1},RAD1{2},RAD2{1},ANGLE{30}}");
  EXPECT_EQ(mBaseShape2dC(scaled.node(), 0).scale(3), 1);
  EXPECT_EQ(scaled.text(), "ELLIPSE{POINT{3,3}RAD1{6}RAD2{3}ANGLE{30}}");
  EXPECT_EQ(mBaseShape2dC(scaled.node(), 0).transform(planeMatrix(1, 0, NAN, 0, 1, 0)), 0);
  EXPECT_EQ(scaled.text(), "ELLIPSE{POINT{3,3}RAD1{6}RAD2{3}ANGLE{30}}");

  treeC odd("ELLIPSE{RAD1{\"x\"}}");
  mBaseEllipse2dC oddEllipse(odd.node(), 0);
  EXPECT_EQ(oddEllipse.setMajorRad(3), 1);
  EXPECT_EQ(oddEllipse.setMinorRad(NAN), 0);
  EXPECT_EQ(odd.text(), "ELLIPSE{RAD1{3,\"x\"}}");
}

TEST(MBaseEllipseArc2dC, SweepSamplingAndBounds) {
  treeC wrap("ELLIPSEARC{POINT{0,0},RAD1{1},RAD2{1},ANGLE{0},ANGLE1{350},ANGLE2{10}}");
  mBaseEllipseArc2dC arc(wrap.node(), 0);
  EXPECT_EQ(arc.getSweepAngle(), 20.0);
  point2dArrayC points;
  const int count = arc.appendPoints(points, 0.0);
  EXPECT_EQ(count, 5);
  expectPoint(points[0], std::cos(-10 * pi / 180), std::sin(-10 * pi / 180));
  expectPoint(points[uint32_t(count - 1)], std::cos(10 * pi / 180), std::sin(10 * pi / 180));
  const int bounded = arc.appendPoints(points, 1e-300);
  EXPECT_GE(bounded, 1000001);
  EXPECT_LE(bounded, 1000003);

  arc.setStartAngle(10);
  EXPECT_EQ(arc.appendPoints(points, 0.0), 1);
  EXPECT_EQ(arc.getSweepAngle(), 0.0);

  arc.setStartAngle(1e300);
  const double sweep = arc.getSweepAngle();
  EXPECT_TRUE(std::isfinite(sweep));
  EXPECT_GE(sweep, 0.0);
  EXPECT_LT(sweep, 360.0);
  EXPECT_EQ(arc.appendPoints(points, 1e-300), 1);
  EXPECT_EQ(arc.setEndAngle(INFINITY), 0);
}

TEST(MBaseEllipseArc2dC, TransformKeepsTheCoveredPoints) {
  // Mirrored, the quarter from (2,0) to (0,1) runs from (0,-1) to (2,0).
  treeC quarter("ELLIPSEARC{POINT{0,0},RAD1{2},RAD2{1},ANGLE{0},ANGLE1{0},ANGLE2{90}}");
  mBaseEllipseArc2dC arc(quarter.node(), 0);
  EXPECT_EQ(mBaseShape2dC(quarter.node(), 0).transform(planeMatrix(1, 0, 0, 0, -1, 0)), 1);
  EXPECT_NEAR(arc.getStartAngle(), 270, 1e-9);
  EXPECT_NEAR(arc.getEndAngle(), 0, 1e-9);
  vectorC2d<double> start;
  vectorC2d<double> end;
  arc.getArcEndPoints(start, end);
  expectPoint(start, 0, -1);
  expectPoint(end, 2, 0);

  // Turned, the parameters stay and the axis turns; moved, only the centre changes.
  treeC turned("ELLIPSEARC{POINT{1,0},RAD1{2},RAD2{1},ANGLE{0},ANGLE1{30},ANGLE2{120}}");
  mBaseEllipseArc2dC turnedArc(turned.node(), 0);
  EXPECT_EQ(turnedArc.transform(planeMatrix(0, -1, 0, 1, 0, 0)), 1);
  expectPoint(turnedArc.getMiddlePoint(), 0, 1);
  EXPECT_NEAR(turnedArc.getAngle(), 90, 1e-9);
  EXPECT_NEAR(turnedArc.getStartAngle(), 30, 1e-9);
  EXPECT_NEAR(turnedArc.getEndAngle(), 120, 1e-9);

  // Without radii, or through a singular matrix, the angles have nothing to follow and stay.
  treeC flat("ELLIPSEARC{POINT{0,0},RAD1{0},RAD2{1},ANGLE{40},ANGLE1{10},ANGLE2{20}}");
  EXPECT_EQ(mBaseShape2dC(flat.node(), 0).transform(planeMatrix(0, -1, 1, 1, 0, 1)), 1);
  EXPECT_EQ(flat.text(), "ELLIPSEARC{POINT{1,1}RAD1{0}RAD2{1}ANGLE{40}ANGLE1{10}ANGLE2{20}}");
  treeC squashed("ELLIPSEARC{POINT{0,0},RAD1{2},RAD2{1},ANGLE{40},ANGLE1{10},ANGLE2{20}}");
  EXPECT_EQ(mBaseShape2dC(squashed.node(), 0).transform(planeMatrix(0, 0, 0, 0, 0, 0)), 1);
  EXPECT_EQ(squashed.text(), "ELLIPSEARC{POINT{0,0}RAD1{2}RAD2{1}ANGLE{40}ANGLE1{10}ANGLE2{20}}");
}
