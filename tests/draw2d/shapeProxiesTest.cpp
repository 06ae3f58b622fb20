// The typed shape objects of lines, arcs, circles, interpolated curves, ellipses, elliptic arcs
// and shape attributes, reached through the 2D factory's conversions.
#include <gtest/gtest.h>

#include <cmath>

#include "docproxy/prxVector2dC.h"
#include "docproxy/prxVector3dC.h"
#include "tests/draw2d/drawingScript.h"

using namespace drawingScript;

namespace {

dispatchT vector2d(double x, double y) { return dispatchT(new prxVector2dC(0, vectorC2d<double>(x, y))); }

}  // namespace

TEST(shapeProxies, ArcValuesComeFromItsThreePointsAndCirclePutsChain) {
  scriptC s;
  dispatchT arc = s.make("toarc2d", "ARC{POINT{1,0},POINT{0,1},POINT{-1,0}}");
  expectPoint(point(arc, "MiddlePoint"), 0, 0);
  EXPECT_NEAR(real(arc, "Rad"), 1.0, 1e-12);
  EXPECT_NEAR(real(arc, "StartAngle"), 0.0, 1e-9);
  EXPECT_NEAR(real(arc, "EndAngle"), 180.0, 1e-9);
  EXPECT_EQ(integer(arc, "IsClockwise"), 0);
  EXPECT_NEAR(real(arc, "SegmentAngle"), 180.0, 1e-9);
  // The centre is a detached vector; the stored middle point is live.
  dispatchT centre = object(arc, "MiddlePoint");
  put(object(arc, "CenterPoint"), "y", doubleValue(-1));
  EXPECT_EQ(integer(arc, "IsClockwise"), 1);
  expectPoint(point(centre), 0, 0);

  dispatchT empty = s.make("toarc2d", "ARC");
  expectPoint(point(empty, "EndPoint"), 0, 0);
  EXPECT_EQ(compact(empty), "ARC{POINT,POINT,POINT}");
  EXPECT_EQ(real(empty, "StartAngle"), 0.0);

  dispatchT circle = s.make("tocircle2d", "CIRCLE{POINT{1,1},RAD{2}}");
  EXPECT_EQ(put(circle, "Rad", number(3)).get(), circle.get());
  dispatchT list = method(circle, "InterpolateShape");
  EXPECT_EQ(textOf(list, "classkey"), "COLLECTION");
  ASSERT_EQ(integer(list, "Count"), 1);
  dispatchT fitted = s.to("tocircle2d", method(list, "Item", {number(0)}));
  ASSERT_TRUE(fitted);
  EXPECT_NEAR(real(fitted, "Rad"), 3.0, 1e-6);
  expectPoint(point(fitted, "MiddlePoint"), 1, 1, 1e-6);
  EXPECT_EQ(compact(circle), "CIRCLE{POINT{1,1}RAD{3}}");

  // A point put chains and writes exactly the two numbers; the line's point object is live.
  dispatchT line = s.make("toline2d", "LINE{POINT{1,2,3}}");
  EXPECT_EQ(put(put(line, "StartPoint", objectValue(vector2d(3, 4))), "EndPoint",
                objectValue(object(line, "StartPoint")))
                .get(),
            line.get());
  EXPECT_EQ(compact(line), "LINE{POINT{3,4}POINT{3,4}}");
  put(object(line, "EndPoint"), "x", number(7));
  EXPECT_EQ(compact(line), "LINE{POINT{3,4}POINT{7,4}}");
  EXPECT_EQ(integer(s.factory, "isarc2d", {objectValue(circle)}), 0);
  EXPECT_FALSE(s.to("toarc2d", circle));
}

TEST(shapeProxies, ValuesThatAreNotFiniteOrNoVectorChangeNothing) {
  scriptC s;
  dispatchT figure = s.make("tofigure",
                            "FIGURE{FIGURITEMS{LINE{POINT{1,2}POINT{3,4}}CIRCLE{POINT{0,0}RAD{1}}}"
                            "M2DHATCHES{M2DHATCH{ANGLE{\"s\"}}}}");
  const std::string before = compact(figure);
  dispatchT items = object(figure, "FigureItems");
  dispatchT line = s.to("toline2d", method(items, "Item", {number(0)}));
  dispatchT circle = s.to("tocircle2d", method(items, "Item", {number(1)}));
  dispatchT start = object(line, "StartPoint");
  expectFailure(call(start, "x", mzInvokePropertyPut, {doubleValue(NAN)}), "methode:x(Para:1)");
  expectFailure(call(start, "y", mzInvokeMethod, {doubleValue(INFINITY)}), "methode:y(Para:1)");
  expectFailure(call(start, "x", mzInvokePropertyPut, {text("1")}), "methode:x(Para:1)");
  expectFailure(call(circle, "Rad", mzInvokePropertyPut, {doubleValue(INFINITY)}), "methode:Rad(Para:1)");
  expectFailure(call(line, "StartPoint", mzInvokePropertyPut, {objectValue(dispatchT(new prxVector3dC(0)))}),
                "methode:StartPoint(Para:1)");
  expectFailure(call(line, "EndPoint", mzInvokePropertyPut, {objectValue(vector2d(NAN, 0))}),
                "methode:EndPoint(Para:1)");
  expectFailure(call(circle, "MiddlePoint", mzInvokeMethod, {number(1)}), "methode:MiddlePoint(Para:1)");
  dispatchT hatch = method(object(figure, "Hatches"), "Item", {number(0)});
  expectFailure(call(hatch, "Angle", mzInvokePropertyPut, {doubleValue(NAN)}), "methode:Angle(Para:1)");
  expectFailure(call(hatch, "Distance", mzInvokePropertyPut, {doubleValue(-INFINITY)}), "methode:Distance(Para:1)");
  EXPECT_EQ(compact(figure), before);

  // A put of a number stands in front of a value of another kind.
  EXPECT_EQ(put(hatch, "Angle", number(45)).get(), hatch.get());
  EXPECT_EQ(real(hatch, "Angle"), 45.0);
  EXPECT_EQ(compact(hatch), "M2DHATCH{ANGLE{45,\"s\"}}");

  // A point over no node reads (0, 0) and ignores puts; its default member is a vector.
  dispatchT nowhere = method(s.make("tointcurve2d", "ICRV2D"), "getPoint", {number(-1)});
  EXPECT_EQ(put(nowhere, "x", number(3)).get(), nowhere.get());
  expectPoint(point(nowhere), 0, 0);
  EXPECT_STREQ(dynamic_cast<proxyObjectC*>(method(start, "").get())->getTypeName(), "class prxVector2dC *");
}

TEST(shapeProxies, CurvesAreEditedThroughTheirPointList) {
  scriptC s;
  dispatchT straight = s.make("tointcurve2d",
                              "ICRV2D{POINT{0,0}POINT{1,0}POINT{2,0}POINT{3,0}POINT{4,0}POINT{5,0}POINT{6,0}POINT{7,0}}");
  EXPECT_EQ(compact(method(straight, "InterpolateShape")),
            "COLLECTION{LINE{POINT{0,0}POINT{5,0}}LINE{POINT{5,0}POINT{6,0}}LINE{POINT{6,0}POINT{7,0}}}");

  dispatchT curve = s.make("tointcurve2d", "ICRV2D{POINT,NOTE}");
  EXPECT_EQ(integer(curve, "countPoints", {}, mzInvokeMethod), 1);
  dispatchT points = object(curve, "points");
  EXPECT_EQ(integer(points, "Count"), 2);
  expectFailure(call(points, "Item", mzInvokeMethod, {number(2)}), "container", "out of range");
  EXPECT_EQ(real(method(curve, "getPoint", {number(10)}), "x"), 0.0);
  EXPECT_EQ(textOf(method(points, "Item", {number(1)}), "classkey"), "NOTE");

  put(method(points, "add", {text("POINT")}), "y", doubleValue(2.5));
  EXPECT_EQ(integer(points, "RemoveAt", {number(1)}), 1);
  EXPECT_EQ(integer(points, "RemoveAt", {number(10)}), 0);
  EXPECT_EQ(compact(curve), "ICRV2D{POINT,POINT{0,2.5}}");
  dispatchT walk = method(points, "objEnum");
  EXPECT_EQ(integer(walk, "nextItem", {}, mzInvokeMethod), 1);
  EXPECT_EQ(real(method(walk, ""), "y"), 2.5);
  EXPECT_EQ(integer(points, "RemoveAll", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(curve, "countPoints", {}, mzInvokeMethod), 0);

  dispatchT three = s.make("tointcurve2d", "ICRV2D{POINT{1,2,3}}");
  put(method(three, "getPoint", {number(0)}), "x", number(5));
  EXPECT_EQ(compact(three), "ICRV2D{POINT{5,0}}");
}

TEST(shapeProxies, EllipsesAndAttributesAreReadOnlyValues) {
  scriptC s;
  dispatchT ellipse = s.make("toellipse2d", "ELLIPSE{POINT{1,2},RAD1{4},RAD2{2},ANGLE{90}}");
  expectPoint(point(ellipse, "MajorAxisVector"), 0, 4);
  expectPoint(point(ellipse, "MinorAxisVector"), -2, 0);
  expectPoint(point(ellipse, "MajorAxisPoint"), 1, 6);
  expectPoint(point(ellipse, "MinorAxisPoint"), -1, 2);
  EXPECT_EQ(real(ellipse, "MajorMinorRatio"), 2.0);
  EXPECT_EQ(real(ellipse, "MajorRad") + real(ellipse, "MinorRad") + real(ellipse, "MajorAxisAngle"), 96.0);
  dispatchT centre = object(ellipse, "MiddlePoint");
  EXPECT_EQ(call(ellipse, "MajorRad", mzInvokePropertyPut, {number(1)}).outcome, 1u);
  EXPECT_STREQ(dynamic_cast<proxyObjectC*>(centre.get())->getTypeName(), "class prxVector2dC *");

  struct sweepS {
    const char* text;
    double sweep;
  };
  for (const sweepS& arc : {sweepS{"ELLIPSEARC{ANGLE1{300}ANGLE2{60}}", 120}, sweepS{"ELLIPSEARC{ANGLE1{0}ANGLE2{400}}", 400},
                            sweepS{"ELLIPSEARC{ANGLE1{30}ANGLE2{30}}", 0}, sweepS{"ELLIPSEARC{ANGLE1{1e300}}", -1}}) {
    const double sweep = real(s.make("toellipsearc2d", arc.text), "SegmentAngle");
    if (arc.sweep >= 0) EXPECT_NEAR(sweep, arc.sweep, 1e-9) << arc.text;
    else EXPECT_TRUE(std::isfinite(sweep)) << arc.text;
  }
  dispatchT arc = s.make("toellipsearc2d", "ELLIPSEARC{POINT{0,0}RAD1{2}RAD2{1}ANGLE{0}ANGLE1{90}ANGLE2{180}}");
  expectPoint(point(arc, "StartPoint"), 0, 1);
  expectPoint(point(arc, "EndPoint"), -2, 0);
  EXPECT_EQ(real(arc, "StartAngle") + real(arc, "EndAngle"), 270.0);
  EXPECT_EQ(real(arc, "MajorRad"), 2.0);

  dispatchT attributes = s.make("toshapeattr2d", "SHAPEATTR{SHAPETYP{3}SHAPEWIDTH{0.35}COSMETIC{-1.7}}");
  EXPECT_EQ(integer(attributes, "Type") * 100 + integer(attributes, "Width") * 10 + integer(attributes, "Cosmetic"), 299);
  EXPECT_EQ(integer(s.make("toshapeattr2d", "SHAPEATTR"), "Type"), 0);
}
