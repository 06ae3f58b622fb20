#include <gtest/gtest.h>

#include <cmath>

#include "geom/planeGeometry2d.h"
#include "draw2d/shapes/pointListOperations.h"
#include "draw2d/shapes/pointNodeAccess.h"
#include "core/pointNodeValues.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::treeC;

TEST(PointValues, ReadersTakeExactCountsOfNumbersOnly) {
  struct caseS {
    const char* text;
    uint32_t found2d, found3d;
    double x, y;
  };
  const caseS cases[] = {{"POINT{1.5,-2}", 1, 0, 1.5, -2}, {"POINT{1,2,3}", 0, 1, 0, 0}, {"POINT{\"a\",2}", 0, 0, 0, 0},
                         {"LPOS{5,\"a\"}", 0, 0, 0, 0}, {"POINT{4}", 0, 0, 0, 0}, {"POINT", 0, 0, 0, 0}};
  for (const caseS& c : cases) {
    treeC tree(c.text);
    uint32_t found = 7;
    expectPoint(readNodePoint2d(tree.node(), &found), c.x, c.y);
    EXPECT_EQ(found, c.found2d) << c.text;
    readNodePoint3d(tree.node(), &found);
    EXPECT_EQ(found, c.found3d) << c.text;
  }
  uint32_t found = 7;
  treeC fifteen("MAT{1,2,3,4,5,6,7,8,9,10,11,12,13,14,15}");
  const matrixC4x4<double> m = readNodeMatrix4x4(fifteen.node(), &found);
  EXPECT_EQ(found, 0u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m.values[i], i % 5 == 0 ? 1.0 : 0.0);
  treeC sixteen("MAT{1,0,0,0,0,1,0,0,0,0,1,0,7,8,9,1}");
  EXPECT_EQ(readNodeMatrix4x4(sixteen.node(), &found).values[13], 8.0);
  EXPECT_EQ(found, 1u);
}

TEST(PointValues, WritesKeepNonNumbersAndStoreNothingNonFinite) {
  treeC point("POINT{\"a\",2}");
  EXPECT_TRUE(scaleNodeValues(point.node(), 2.0));
  EXPECT_EQ(point.text(), "POINT{\"a\",4}");
  EXPECT_FALSE(scaleNodeValues(point.node(), 1e308));
  EXPECT_FALSE(writeNodePoint2d(point.node(), vectorC2d<double>(INFINITY, 1)));
  EXPECT_EQ(point.text(), "POINT{\"a\",4}");

  treeC list("LOOP{POINT{0,0},POINT{1,2},NOTE{\"x\"},POINT{1e-9,0}}");
  EXPECT_EQ(pointListGatherPoints2d(list.node()).elementCount, 4u);
  EXPECT_EQ(pointListIsClosed(list.node()), 1u);
  EXPECT_TRUE(pointListScale2d(list.node(), 2.0));
  EXPECT_TRUE(pointListTransform2d(list.node(), shapeTest::planeMatrix(1, 0, 1, 0, 1, 0)));
  EXPECT_FALSE(pointListTransform2d(list.node(), shapeTest::planeMatrix(1, 0, INFINITY, 0, 1, 0)));
  EXPECT_EQ(list.text(), "LOOP{POINT{1,0}POINT{3,4}NOTE{1,0}POINT{1.000000002,0}}");
  treeC single("LOOP{POINT{0,0}}");
  EXPECT_EQ(pointListIsClosed(single.node()), 0u);

  treeC space("LOOP{POINT3D{1,2,3}}");
  const double raw[] = {4, 5, 6, 1, 2, 3 + 1e-9};
  EXPECT_TRUE(pointListAppendPoints3dRaw(space.node(), raw, 2));
  EXPECT_EQ(isPointList3dClosed(space.node()), 1u);
  matrixC4x4<double> move;
  move.ident();
  move.values[12] = 10;
  EXPECT_TRUE(pointListTransform3d(space.node(), move) && pointListScale3d(space.node(), 2.0));
  EXPECT_TRUE(pointListAppendPoints3d(space.node(), pointListGatherPoints3d(space.node())));
  metaObjKeyContainerC keyed(space.node(), 0);
  EXPECT_EQ(countPoints3d(keyed) + countPoints2d(keyed), 6u);
  EXPECT_EQ(getPoint3dObj(keyed, 1).getPoint().x, 28.0);
  EXPECT_EQ(lastPoint3d(keyed).getPoint().z, 6 + 2e-9);
  EXPECT_FALSE(getPoint3dObj(keyed, 6).isValid() || lastPoint2d(keyed).isValid());
  metaObjListContainerC all(list.node(), 0);
  EXPECT_TRUE(lastChild(all)->hasKeyword("POINT"));
}

TEST(PointValues, LineIntersections) {
  using v = vectorC2d<double>;
  v out(-7, -7);
  EXPECT_EQ(intersectLines2d(v(0, 0), v(1, 0), v(5, -1), v(5, 1), out), 1u);
  expectPoint(out, 5, 0);
  EXPECT_EQ(intersectLines2d(v(0, 0), v(2, 2), v(0, 2), v(2, 0), out), 1u);
  expectPoint(out, 1, 1);
  out = v(-7, -7);
  EXPECT_EQ(intersectLines2d(v(0, 0), v(1, 0), v(0, 1), v(1, 1), out), 0u);
  EXPECT_EQ(intersectLines2d(v(0, 0), v(0, 0), v(0, 1), v(1, 1), out), 0u);
  EXPECT_EQ(intersectLines2d(v(0, 0), v(1, 1e-320), v(0, 1), v(1, 1), out), 0u);
  expectPoint(out, -7, -7);
  expectPoint(matrixC2x2MulVec(rotationMatrix2x2(90), v(2, 0)), 0, 2);
}
