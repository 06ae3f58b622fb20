#include <gtest/gtest.h>

#include <cmath>

#include "draw2d/shapes/m2dLineC.h"
#include "draw2d/shapes/mBasePoint2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::planeMatrix;
using shapeTest::treeC;

TEST(MBaseLine2dC, SlotsReadAndWriteTheTwoPoints) {
  treeC vertical("LINE{POINT{1,0},POINT{1,5}}");
  m2dLineC line(vertical.node(), 0);
  vectorC2d<double> c[4];
  line.getBoundingCorners(c[0], c[1], c[2], c[3]);
  const double corners[4][2] = {{1, 0}, {1, 0}, {1, 5}, {1, 5}};
  for (int i = 0; i < 4; ++i) expectPoint(c[i], corners[i][0], corners[i][1]);
  point2dArrayC points;
  for (int i = 0; i < 10; ++i) appendPoint(points, vectorC2d<double>(i, i));
  EXPECT_EQ(line.appendPoints(points, 0.3), 2);
  EXPECT_EQ(points.elementCount, 2u);

  EXPECT_EQ(line.transform(planeMatrix(1, 0, 2, 0, 1, -1)), 1);
  EXPECT_EQ(line.scale(2.0), 1);
  EXPECT_EQ(line.reverse(), 1);
  EXPECT_EQ(vertical.text(), "LINE{POINT{6,8}POINT{6,-2}}");
  // Nothing that is not finite is written, not even one of the two ends.
  EXPECT_EQ(line.setEndPoints(vectorC2d<double>(0, 0), vectorC2d<double>(NAN, 0)), 0);
  EXPECT_EQ(line.transform(planeMatrix(1e308, 0, 0, 0, 1e308, 0)), 0);
  EXPECT_EQ(line.scale(INFINITY), 0);
  EXPECT_EQ(vertical.text(), "LINE{POINT{6,8}POINT{6,-2}}");
  EXPECT_EQ(line.setEndPoints(vectorC2d<double>(0, 0), vectorC2d<double>(3, 4)), 1);
  EXPECT_EQ(line.getLength(), 5.0);
  EXPECT_EQ(line.getEndPointObj().getPoint().y, 4.0);

  treeC half("LINE{POINT{1,2}}");
  EXPECT_EQ(mBaseLine2dC(half.node(), 0).reverse(), 1);
  EXPECT_EQ(half.text(), "LINE{POINT{0,0}POINT{1,2}}");
  treeC bare("LINE");
  EXPECT_EQ(mBaseShape2dC(bare.node(), 0).getLength(), 0.0);
  EXPECT_EQ(bare.text(), "LINE{POINT,POINT}");
  mBaseLine2dC made = mBaseLine2dC::createNew();
  made.appendPoint2d(1, 1);
  EXPECT_EQ(made.appendPoint2d(NAN, 1), nullptr);
  EXPECT_EQ(made.writeToStringValue(1, 0), "LINE{POINT{1,1}}");
}

TEST(MBasePoint2dC, SlotsWorkOnThePointChild) {
  treeC spoint("SPOINT{POINT{1.5,-2}}");
  mBasePoint2dC point(spoint.node(), 0);
  EXPECT_EQ(point.scale(2.0), 1);
  EXPECT_EQ(spoint.text(), "SPOINT{POINT{3,-4}}");
  vectorC2d<double> c[4];
  point.getBoundingCorners(c[0], c[1], c[2], c[3]);
  expectPoint(c[3], 3, -4);
  point2dArrayC points;
  EXPECT_EQ(point.appendPoints(points, 0.0), 1);
  EXPECT_EQ(point.getLength() + point.getEndPoints(c[0], c[1]), 0.0);

  treeC empty("SPOINT");
  EXPECT_EQ(mBaseShape2dC(empty.node(), 0).transform(planeMatrix(1, 0, 2, 0, 1, 3)), 1);
  EXPECT_EQ(empty.text(), "SPOINT{POINT{2,3}}");
}
