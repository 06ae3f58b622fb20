// A sketch's centre line ("CENTER") met among the shapes of a 2D list: the list, its items and
// the generic shape views measure and move it exactly as the line of the same two points.
#include <gtest/gtest.h>

#include <string>

#include "draw2d/proxies/prxmLine2dC.h"
#include "draw2d/shapes/mBaseShape2dC.h"
#include "docproxy/prxMatrix3x3C.h"
#include "tests/draw2d/drawingScript.h"

using namespace drawingScript;

TEST(centerLineShape, ACentreLineInAShapeListMeasuresAndMovesAsALine) {
  scriptC s;
  for (const std::string key : {"LINE", "CENTER"}) {
    SCOPED_TRACE(key);
    const std::string shape = key + "{POINT{3,4},POINT{0,0}}";
    dispatchT figure = s.make("tofigure", ("FIGURE{FIGURITEMS{" + shape + ",CIRCLE{POINT{5,-2},RAD{1}}}}").c_str());
    dispatchT items = object(figure, "FigureItems");
    dispatchT item = method(items, "Item", {number(0)});
    EXPECT_EQ(textOf(item, "classkey"), key);
    EXPECT_EQ(typeNameOf(item), "class prxmShapeBase2dC *");

    // The generic view over the item's node: length, corners and ends of the line.
    mBaseShape2dC view(metaProxyTest::nodeOf(item.get()), 0);
    EXPECT_DOUBLE_EQ(view.getLength(), 5.0);
    vectorC2d<double> corners[4];
    view.getBoundingCorners(corners[0], corners[1], corners[2], corners[3]);
    expectPoint(corners[0], 0, 0);
    expectPoint(corners[2], 3, 4);
    vectorC2d<double> start;
    vectorC2d<double> end;
    EXPECT_EQ(view.getEndPoints(start, end), 1);
    expectPoint(start, 3, 4);
    expectPoint(end, 0, 0);

    // The list's rectangle holds the line's corners with the circle's.
    expectPoint(point(items, "BoundRectMin"), 0, -3);
    expectPoint(point(items, "BoundRectMax"), 6, 4);
    EXPECT_EQ(compact(method(item, "InterpolateShape")), "COLLECTION{LINE{POINT{3,4}POINT{0,0}}}");

    // The factory converts by class key alone; the line object a sketch hands out for its
    // centre line reads and moves the same points.
    EXPECT_EQ(integer(s.factory, "isline2d", {objectValue(item)}), key == "LINE" ? 1 : 0);
    EXPECT_EQ(bool(s.to("toline2d", item)), key == "LINE");
    dispatchT line(new prxmLine2dC(metaObjectC(metaProxyTest::nodeOf(item.get()), 0)));

    EXPECT_EQ(integer(items, "moveItems", {number(10), number(0)}), 1);
    expectPoint(point(line, "StartPoint"), 13, 4);
    expectPoint(point(line, "EndPoint"), 10, 0);
    EXPECT_EQ(integer(items, "rotateItems", {number(90)}), 1);
    expectPoint(point(line, "StartPoint"), -4, 13);
    expectPoint(point(line, "EndPoint"), 0, 10);
    matrixC3x3<double> mirror;
    mirror.ident();
    mirror.values[0] = -1;
    mirror.values[7] = 5;
    EXPECT_EQ(integer(items, "transformItems", {objectValue(dispatchT(new prxMatrix3x3C(mirror)))}), 1);
    expectPoint(point(line, "StartPoint"), 4, 18);
    expectPoint(point(line, "EndPoint"), 0, 15);
    // The circle, centred at (5, -2), went to (2, 15) then (-2, 20).
    dispatchT fresh = object(figure, "FigureItems");
    expectPoint(point(fresh, "BoundRectMin"), -3, 15);
    expectPoint(point(fresh, "BoundRectMax"), 4, 21);
    EXPECT_DOUBLE_EQ(view.getLength(), 5.0);

    // A put through the line object is what the list measures next.
    put(object(line, "EndPoint"), "x", number(9));
    expectPoint(point(object(figure, "FigureItems"), "BoundRectMax"), 9, 21);
    EXPECT_EQ(compact(item).substr(0, key.size()), key);

    // A drawing measures it among its figures, and a change of unit base scales it.
    dispatchT drawing = s.make("todrawing", ("DRAWING{DRAWINGITEMS{FIGURE{FIGURITEMS{" + shape + "}}}}").c_str());
    expectPoint(point(object(drawing, "DrawingItems"), "BoundRectMax"), 3, 4);
    dispatchT scaled = s.make("tofigure", ("FIGURE{FIGURITEMS{" + shape + "}}").c_str());
    EXPECT_EQ(integer(scaled, "AdjustDocumentUnitBase", {doubleValue(0.5)}), 1);
    EXPECT_EQ(compact(object(scaled, "FigureItems")), "FIGURITEMS{" + key + "{POINT{6,8}POINT{0,0}}}");
  }
}
