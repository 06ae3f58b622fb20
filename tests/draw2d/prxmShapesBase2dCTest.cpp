#include "draw2d/proxies/prxmShapesBase2dC.h"

#include <gtest/gtest.h>

#include <cmath>

#include "docproxy/prxMatrix3x3C.h"
#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "tests/draw2d/drawingScript.h"

using namespace drawingScript;

namespace {

dispatchT vector2d(double x, double y) { return dispatchT(new prxVector2dC(0, vectorC2d<double>(x, y))); }

}  // namespace

TEST(prxmShapesBase2dC, MovesEveryShapeAndKeepsTheRectangleItComputedFirst) {
  scriptC s;
  dispatchT figure = s.make("tofigure", "FIGURE{FIGURITEMS{LINE{POINT{3,4},POINT{0,0}}}}");
  dispatchT items = object(figure, "FigureItems");
  EXPECT_EQ(real(object(s.to("toline2d", method(items, "Item", {number(0)})), "StartPoint"), "x"), 3.0);
  expectPoint(point(items, "BoundRectMin"), 0, 0);
  expectPoint(point(items, "BoundRectMax"), 3, 4);

  EXPECT_EQ(integer(items, "moveItems", {number(10), number(0)}), 1);
  expectPoint(point(items, "BoundRectMin"), 0, 0);
  expectPoint(point(object(figure, "FigureItems"), "BoundRectMin"), 10, 0);

  // The second argument is converted first; a value that is not finite fails as a text does.
  const std::string before = compact(figure);
  expectFailure(call(items, "moveItems", mzInvokeMethod, {number(1), text("b")}), "methode:moveItems(Para:2)");
  expectFailure(call(items, "moveItems", mzInvokeMethod, {doubleValue(NAN), number(0)}), "methode:moveItems(Para:1)");
  expectFailure(call(items, "moveItems", mzInvokeMethod, {objectValue(vector2d(INFINITY, 0))}),
                "methode:moveItems(Para:1)");
  expectFailure(call(items, "rotateItems", mzInvokeMethod, {doubleValue(-INFINITY)}), "methode:rotateItems(Para:1)");
  expectFailure(call(items, "transformItems", mzInvokeMethod, {objectValue(vector2d(1, 1))}),
                "methode:transformItems(Para:1)");
  EXPECT_EQ(compact(figure), before);

  // A vector, or a stored point through its default member, moves; a 3D vector is no 2D one.
  method(items, "moveItems", {objectValue(vector2d(-10, 1))});
  dispatchT start = object(s.to("toline2d", method(items, "Item", {number(0)})), "StartPoint");
  method(items, "moveItems", {objectValue(start)});
  EXPECT_EQ(compact(figure), "FIGURE{FIGURITEMS{LINE{POINT{6,10}POINT{3,6}}}}");
  expectFailure(call(items, "moveItems", mzInvokeMethod, {objectValue(dispatchT(new prxVector3dC(0)))}),
                "methode:moveItems(Para:1)");

  dispatchT turned = object(s.make("tofigure", "FIGURE{FIGURITEMS{LINE{POINT{1,0},POINT{2,0}}}}"), "FigureItems");
  method(turned, "rotateItems", {number(90)});
  dispatchT line = s.to("toline2d", method(turned, "Item", {number(0)}));
  expectPoint(point(line, "StartPoint"), 0, 1);
  expectPoint(point(line, "EndPoint"), 0, 2);
  matrixC3x3<double> mirror;
  mirror.ident();
  mirror.values[0] = -1;
  mirror.values[7] = 5;
  method(turned, "transformItems", {objectValue(dispatchT(new prxMatrix3x3C(mirror)))});
  expectPoint(point(line, "EndPoint"), 0, 7);
}

TEST(prxmShapesBase2dC, ListsEveryChildAndInterpolatesShapesIntoNewLists) {
  scriptC s;
  dispatchT figure = s.make("tofigure", "FIGURE{FIGURITEMS{TEXT{POINT{1,1}},7,LINE{POINT{0,0},POINT{2,0}}}}");
  dispatchT items = object(figure, "FigureItems");
  EXPECT_STREQ(dynamic_cast<proxyObjectC*>(items.get())->getTypeName(), "class prxm2dFigureItemsC *");
  EXPECT_EQ(integer(items, "Count"), 3);
  expectFailure(call(items, "Item", mzInvokeMethod, {number(3)}), "container", "out of range");
  expectFailure(call(items, "", mzInvokeMethod, {number(-1)}), "container", "out of range");
  EXPECT_EQ(textOf(method(items, "", {number(2)}), "classkey"), "LINE");

  // An empty text list; a line gives itself; an added LINE reads (0, 0) as a line.
  dispatchT fromText = method(method(items, "Item", {number(0)}), "InterpolateShape");
  EXPECT_EQ(textOf(fromText, "classkey"), "COLLECTION");
  EXPECT_EQ(integer(fromText, "Count"), 0);
  EXPECT_EQ(compact(method(method(items, "Item", {number(2)}), "InterpolateShape", {doubleValue(0.01)})),
            "COLLECTION{LINE{POINT{0,0}POINT{2,0}}}");
  dispatchT added = method(items, "add", {text("LINE")});
  expectPoint(point(s.to("toline2d", added), "StartPoint"), 0, 0);
  EXPECT_EQ(compact(added), "LINE{POINT}");

  dispatchT walk = method(items, "objEnum");
  int visited = 1;
  while (integer(walk, "nextItem", {}, mzInvokeMethod) == 1) ++visited;
  EXPECT_EQ(visited, 4);
  EXPECT_EQ(textOf(method(walk, "getItem"), "classkey"), "LINE");

  // The rectangle of shapes without a box, and of none.
  dispatchT empty = object(s.make("tofigure", "FIGURE{FIGURITEMS{TEXT}}"), "FigureItems");
  expectPoint(point(empty, "BoundRectMin"), 1e10, 1e10);
  expectPoint(point(empty, "BoundRectMax"), -1e10, -1e10);

  EXPECT_EQ(integer(items, "RemoveAt", {number(1)}), 1);
  EXPECT_EQ(integer(items, "RemoveAt", {number(9)}), 0);
  EXPECT_EQ(integer(items, "RemoveAll", {}, mzInvokeMethod), 1);
  EXPECT_EQ(compact(figure), "FIGURE{FIGURITEMS}");
  // The item taken before still reads the removed line.
  EXPECT_EQ(compact(added), "LINE{POINT}");
}
