#include <gtest/gtest.h>

#include <cmath>

#include "draw2d/shapes/mBaseEllipse2dC.h"
#include "draw2d/shapes/mBaseEllipseArc2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::planeMatrix;
using shapeTest::treeC;

TEST(MBaseEllipse2dC, AxesSamplesAndTransforms) {
  const char* text = "ELLIPSE{POINT{0,0},RAD1{2},RAD2{1},ANGLE{90}}";
  treeC tree(text);
  mBaseEllipse2dC ellipse(tree.node(), 0);
  vectorC2d<double> major;
  vectorC2d<double> minor;
  ellipse.getAxisPoints(major, minor);
  expectPoint(major, 0, 2);
  expectPoint(minor, -1, 0);
  EXPECT_EQ(ellipse.getRadiusRatio(), 2.0);
  point2dArrayC points;
  ASSERT_EQ(ellipse.appendPoints(points, 3.141592653589793 / 2), 5);
  const double expected[5][2] = {{0, 2}, {-1, 0}, {0, -2}, {1, 0}, {0, 2}};
  for (uint32_t i = 0; i < 5; ++i) expectPoint(points[i], expected[i][0], expected[i][1]);
  EXPECT_EQ(ellipse.getLength() + ellipse.getEndPoints(major, minor), 0.0);

  // Turned, moved, scaled and squashed to a point: the image of the axis end sets ANGLE.
  const double cases[4][9] = {{0, -1, 0, 1, 0, 0, 0, 0, 180},
                              {1, 0, 3, 0, 1, 4, 3, 4, 90},
                              {2, 0, 0, 0, 2, 0, 0, 0, 90},
                              {0, 0, 5, 0, 0, 6, 5, 6, 90}};
  for (const auto& t : cases) {
    treeC copy(text);
    mBaseEllipseCore2dC core(copy.node(), 0);
    EXPECT_EQ(core.transform(planeMatrix(t[0], t[1], t[2], t[3], t[4], t[5])), 1);
    expectPoint(core.getMiddlePoint(), t[6], t[7]);
    EXPECT_NEAR(core.getAngle(), t[8], 1e-9);
    EXPECT_EQ(core.getMajorRad() + core.getMinorRad(), 3.0);
  }

  treeC scaled("ELLIPSE{POINT{1,1},RAD1{2},RAD2{1},ANGLE{30}}");
  EXPECT_EQ(mBaseShape2dC(scaled.node(), 0).scale(3), 1);
  EXPECT_EQ(mBaseShape2dC(scaled.node(), 0).transform(planeMatrix(1, 0, NAN, 0, 1, 0)), 0);
  EXPECT_EQ(scaled.text(), "ELLIPSE{POINT{3,3}RAD1{6}RAD2{3}ANGLE{30}}");
  treeC odd("ELLIPSE{RAD1{\"x\"}}");
  mBaseEllipse2dC oddEllipse(odd.node(), 0);
  EXPECT_EQ(oddEllipse.setMajorRad(3) + oddEllipse.setMinorRad(NAN), 1);
  EXPECT_EQ(odd.text(), "ELLIPSE{RAD1{3,\"x\"}}");
}

TEST(MBaseEllipseArc2dC, SweepAndSamplingAreBounded) {
  treeC wrap("ELLIPSEARC{POINT{0,0},RAD1{1},RAD2{1},ANGLE{0},ANGLE1{350},ANGLE2{10}}");
  mBaseEllipseArc2dC arc(wrap.node(), 0);
  EXPECT_EQ(arc.getSweepAngle(), 20.0);
  point2dArrayC points;
  const uint32_t count = uint32_t(arc.appendPoints(points, 0.0));
  const double ten = 10 * 3.141592653589793 / 180;
  expectPoint(points[0], std::cos(ten), -std::sin(ten));
  expectPoint(points[count - 1], std::cos(ten), std::sin(ten));
  const int bounded = arc.appendPoints(points, 1e-300);
  EXPECT_GE(bounded, 1000001);
  EXPECT_LE(bounded, 1000003);

  arc.setStartAngle(10);
  EXPECT_EQ(arc.appendPoints(points, 0.0), 1);
  arc.setStartAngle(1e300);
  const double sweep = arc.getSweepAngle();
  EXPECT_TRUE(sweep >= 0.0 && sweep < 360.0);
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

  // Turned: the parameters stay and the axis turns.
  treeC turned("ELLIPSEARC{POINT{1,0},RAD1{2},RAD2{1},ANGLE{0},ANGLE1{30},ANGLE2{120}}");
  mBaseEllipseArc2dC turnedArc(turned.node(), 0);
  EXPECT_EQ(turnedArc.transform(planeMatrix(0, -1, 0, 1, 0, 0)), 1);
  expectPoint(turnedArc.getMiddlePoint(), 0, 1);
  EXPECT_NEAR(turnedArc.getAngle(), 90, 1e-9);
  EXPECT_NEAR(turnedArc.getStartAngle(), 30, 1e-9);
  EXPECT_NEAR(turnedArc.getEndAngle(), 120, 1e-9);

  // Without a radius, or through a singular matrix, the angles have nothing to follow and stay.
  treeC flat("ELLIPSEARC{POINT{0,0},RAD1{0},RAD2{1},ANGLE{40},ANGLE1{10},ANGLE2{20}}");
  EXPECT_EQ(mBaseShape2dC(flat.node(), 0).transform(planeMatrix(0, -1, 1, 1, 0, 1)), 1);
  EXPECT_EQ(flat.text(), "ELLIPSEARC{POINT{1,1}RAD1{0}RAD2{1}ANGLE{40}ANGLE1{10}ANGLE2{20}}");
  treeC squashed("ELLIPSEARC{POINT{0,0},RAD1{2},RAD2{1},ANGLE{40},ANGLE1{10},ANGLE2{20}}");
  EXPECT_EQ(mBaseShape2dC(squashed.node(), 0).transform(planeMatrix(0, 0, 0, 0, 0, 0)), 1);
  EXPECT_EQ(squashed.text(), "ELLIPSEARC{POINT{0,0}RAD1{2}RAD2{1}ANGLE{40}ANGLE1{10}ANGLE2{20}}");
}
