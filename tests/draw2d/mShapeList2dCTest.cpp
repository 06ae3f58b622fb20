#include "draw2d/shapes/mShapeList2dC.h"

#include <gtest/gtest.h>

#include "core/metaTreeC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::planeMatrix;
using shapeTest::treeC;

namespace {

pageMemT<str, 3> keywordList(std::initializer_list<const char*> keywords) {
  pageMemT<str, 3> list;
  for (const char* keyword : keywords) *list.newElement() = str(keyword);
  return list;
}

}  // namespace

TEST(MShapeList2dC, ConvertSelectsByKeywordAndCopiesTheRest) {
  const char* text = "ITEMS{CIRCLE{POINT{1,1},RAD{2}},LINE{POINT{0,0},POINT{1,0}},FOO{1}}";
  treeC source(text);
  mShapeList2dC shapes(source.node(), 0);

  treeC copies("OUT");
  mShapeList2dC copied(copies.node(), 0);
  EXPECT_EQ(shapes.convertShapeList(2, keywordList({"CIRCLE"}), 0.01, 1e-5, copied), 0);
  EXPECT_EQ(copies.text(), "OUT{CIRCLE{POINT{1,1}RAD{2}}LINE{POINT{0,0}POINT{1,0}}FOO{1}}");

  treeC converted("OUT");
  mShapeList2dC out(converted.node(), 0);
  EXPECT_EQ(shapes.convertShapeList(0, keywordList({"CIRCLE"}), 0.01, 1e-5, out), 1);
  ASSERT_EQ(out.getCount(), 3u);
  EXPECT_TRUE(hasKey(out.childAt(0), "CIRCLE"));
  EXPECT_EQ(metaObjectC(out.childAt(1), 0).writeToStringValue(1, 0), "LINE{POINT{0,0}POINT{1,0}}");

  // Mode 1 converts what is not listed; a shape without a class converts to nothing.
  treeC others("OUT");
  mShapeList2dC otherOut(others.node(), 0);
  EXPECT_EQ(shapes.convertShapeList(1, keywordList({"CIRCLE"}), 0.01, 1e-5, otherOut), 1);
  EXPECT_EQ(others.text(), "OUT{CIRCLE{POINT{1,1}RAD{2}}LINE{POINT{0,0}POINT{1,0}}}");

  // Into itself: only the shapes held at the call are walked.
  EXPECT_EQ(shapes.convertShapeList(2, keywordList({}), 0.0, 1e-5, shapes), 0);
  EXPECT_EQ(shapes.getCount(), 6u);
}

TEST(MShapeList2dC, TransformAndScaleEveryRegisteredShape) {
  treeC source("ITEMS{LINE{POINT{0,0},POINT{1,0}},FOO{POINT{1,1}},CIRCLE{POINT{1,1},RAD{2}}}");
  mShapeList2dC shapes(source.node(), 0);
  shapes.forEachShapeScale(0.0);
  EXPECT_EQ(source.text(), "ITEMS{LINE{POINT{0,0}POINT{1,0}}FOO{POINT{1,1}}CIRCLE{POINT{1,1}RAD{2}}}");
  shapes.forEachShapeScale(2.0);
  shapes.forEachShapeTransform(planeMatrix(1, 0, 1, 0, 1, 1));
  EXPECT_EQ(source.text(), "ITEMS{LINE{POINT{1,1}POINT{3,1}}FOO{POINT{1,1}}CIRCLE{POINT{3,3}RAD{4}}}");
}

TEST(MShapeList2dC, BoundRectHoldsTheShapesThatGiveCorners) {
  struct caseS {
    const char* text;
    double minX, minY, maxX, maxY;
  };
  const caseS cases[] = {
      {"ITEMS", 1e10, 1e10, -1e10, -1e10},
      {"ITEMS{ELLIPSE{POINT{0,0},RAD1{2},RAD2{1}}}", 1e10, 1e10, -1e10, -1e10},
      {"ITEMS{LINE{POINT{3,4},POINT{0,-1}},ELLIPSE{POINT{9,9},RAD1{2},RAD2{1}},FOO}", 0, -1, 3, 4},
      {"ITEMS{LINE{POINT{3,4},POINT{0,-1}},CIRCLE{POINT{5,5},RAD{1}},SPOINT{POINT{-2,0}}}", -2, -1, 6, 6},
  };
  for (const caseS& c : cases) {
    SCOPED_TRACE(c.text);
    treeC tree(c.text);
    vectorC2d<double> min(7, 7);
    vectorC2d<double> max(7, 7);
    mShapeList2dC(tree.node(), 0).calcShapesBoundRect(min, max);
    expectPoint(min, c.minX, c.minY);
    expectPoint(max, c.maxX, c.maxY);
  }
}
