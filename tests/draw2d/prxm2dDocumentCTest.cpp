#include "draw2d/proxies/prxm2dDocumentC.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/draw2d/drawingScript.h"
#include "tests/helpers/poolBalance.h"

using namespace drawingScript;

TEST(prxm2dDocumentC, AcceptShapesReplacesTheFigureItemsAndTheHatchLoops) {
  scriptC s;
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT figure = s.make("tofigure",
                              "FIGURE{FIGURITEMS{CIRCLE{POINT{0,0},RAD{1}},TEXT{POINT{0,0}}},"
                              "M2DHATCHES{M2DHATCH{ANGLE{45},M2DHATCHLOOPS{LOOP}}}}");
    dispatchT before = object(figure, "FigureItems");
    const std::string original = compact(figure);
    EXPECT_EQ(integer(figure, "acceptShapes", {number(0), text("TEXT")}), 0);
    EXPECT_EQ(compact(figure), original);
    EXPECT_EQ(integer(figure, "acceptShapes", {}, mzInvokeMethod), 0);
    EXPECT_EQ(integer(figure, "acceptShapes", {number(2)}), 0);
    EXPECT_EQ(compact(figure), original);

    EXPECT_EQ(integer(figure, "acceptShapes", {number(0), text("CIRCLE")}), 1);
    EXPECT_EQ(compact(figure).find("M2DHATCHLOOPS"), std::string::npos);
    EXPECT_NE(compact(figure).find("M2DHATCHES{M2DHATCH{ANGLE{45}}}FIGURITEMS{CIRCLE{"), std::string::npos);
    dispatchT items = object(figure, "FigureItems");
    ASSERT_EQ(integer(items, "Count"), 2);
    EXPECT_EQ(textOf(method(items, "Item", {number(0)}), "classkey"), "CIRCLE");
    EXPECT_EQ(textOf(method(items, "Item", {number(1)}), "classkey"), "TEXT");
    // The list taken before shows the removed shapes.
    EXPECT_EQ(integer(before, "Count"), 2);
    EXPECT_EQ(compact(before), "FIGURITEMS{CIRCLE{POINT{0,0}RAD{1}}TEXT{POINT{0,0}}}");

    // Selected texts vanish once anything was made; a node of a text key word is kept.
    EXPECT_EQ(integer(figure, "acceptShapes", {number(1), text("LINE"), text("ARC")}), 1);
    EXPECT_EQ(integer(object(figure, "FigureItems"), "Count"), 1);
    expectFailure(call(figure, "acceptShapes", mzInvokeMethod, {text("0")}), "methode:acceptShapes(Para:1)");
    expectFailure(call(figure, "acceptShapes", mzInvokeMethod, {number(0), number(1)}), "methode:acceptShapes(Para:2)");

    // A drawing sums its figures; documents of other families contribute nothing.
    dispatchT drawing = s.make("todrawing",
                               "DRAWING{DRAWINGITEMS{FIGURE{FIGURITEMS{CIRCLE{RAD{1}}}},PART,ASSEMBLY,"
                               "FIGURE{FIGURITEMS{ELLIPSE{RAD1{2}RAD2{1}}}}}}");
    EXPECT_EQ(integer(drawing, "acceptShapes", {number(0), text("CIRCLE"), text("ELLIPSE")}) > 1, true);
    EXPECT_EQ(integer(s.make("todrawing", "DRAWING{DRAWINGITEMS{PART,ASSEMBLY}}"), "acceptShapes", {number(1)}), 0);
  }
  balance.expectBalanced();
}

TEST(prxm2dDocumentC, AdjustDocumentUnitBaseScalesFromTheStoredUnitBase) {
  scriptC s;
  dispatchT figure = s.make("tofigure",
                            "FIGURE{FIGURITEMS{LINE{POINT{1,1}POINT{2,3}}ELLIPSE{POINT{1,1}RAD1{2}RAD2{1}ANGLE{30}}}"
                            "M2DHATCHES{M2DHATCH{DISTANCE{2}}}INSERTPOINT{POINT{1,-1}}SETTINGS}");
  EXPECT_EQ(integer(figure, "AdjustDocumentUnitBase", {doubleValue(0.5)}), 1);
  dispatchT items = object(figure, "FigureItems");
  dispatchT line = s.to("toline2d", method(items, "Item", {number(0)}));
  dispatchT ellipse = s.to("toellipse2d", method(items, "Item", {number(1)}));
  expectPoint(point(line, "StartPoint"), 2, 2);
  expectPoint(point(line, "EndPoint"), 4, 6);
  expectPoint(point(ellipse, "MiddlePoint"), 2, 2);
  EXPECT_EQ(real(ellipse, "MajorRad"), 4.0);
  EXPECT_EQ(real(ellipse, "MajorAxisAngle"), 30.0);
  EXPECT_EQ(real(method(object(figure, "Hatches"), "Item", {number(0)}), "Distance"), 4.0);
  EXPECT_EQ(real(object(figure, "FigurePrefs"), "UnitBase"), 0.5);
  expectPoint(point(object(figure, "InsertPoint"), "Point"), 2, -2);
  EXPECT_NE(compact(figure).find("SETTINGS{DXFSETTINGS{DXFINSERTX{0}DXFINSERTY{0}}}"), std::string::npos);

  const std::string scaled = compact(figure);
  EXPECT_EQ(integer(figure, "AdjustDocumentUnitBase", {doubleValue(0.5)}), 1);
  EXPECT_EQ(compact(figure), scaled);
  for (double refused : {0.0, -2.0, double(NAN), double(INFINITY), 1e-320})
    expectFailure(call(figure, "AdjustDocumentUnitBase", mzInvokeMethod, {doubleValue(refused)}),
                  "methode:AdjustDocumentUnitBase(Para:1)");
  expectFailure(call(figure, "AdjustDocumentUnitBase", mzInvokeMethod, {text("1")}),
                "methode:AdjustDocumentUnitBase(Para:1)");
  EXPECT_EQ(compact(figure), scaled);

  // A drawing whose own unit base is the new one leaves its figures alone; otherwise each
  // figure scales from its own unit base, and a figure whose factor would not be finite
  // refuses the whole change.
  dispatchT drawing = s.make("todrawing",
                             "DRAWING{DRAWINGPREFS{UNITBASE{2}}DRAWINGITEMS{FIGURE{FIGUREPREFS{UNITBASE{4}}"
                             "FIGURITEMS{CIRCLE{POINT{1,1}RAD{1}}}}}}");
  const std::string stored = compact(drawing);
  EXPECT_EQ(integer(drawing, "AdjustDocumentUnitBase", {number(2)}), 1);
  EXPECT_EQ(compact(drawing), stored);
  EXPECT_EQ(integer(drawing, "AdjustDocumentUnitBase", {number(1)}), 1);
  EXPECT_EQ(compact(drawing),
            "DRAWING{DRAWINGPREFS{UNITBASE{1}}DRAWINGITEMS{FIGURE{FIGUREPREFS{UNITBASE{1}}"
            "FIGURITEMS{CIRCLE{POINT{4,4}RAD{4}}}INSERTPOINT{POINT}}}}");
  dispatchT huge = s.make("todrawing",
                          "DRAWING{DRAWINGITEMS{FIGURE{FIGUREPREFS{UNITBASE{1e300}}FIGURITEMS{CIRCLE{RAD{1}}}}}}");
  const std::string hugeText = compact(huge);
  expectFailure(call(huge, "AdjustDocumentUnitBase", mzInvokeMethod, {doubleValue(1e-10)}),
                "methode:AdjustDocumentUnitBase(Para:1)");
  EXPECT_EQ(compact(huge), hugeText);
}

TEST(prxm2dDocumentC, AStoredUnitBaseThatIsNotPositiveAndFiniteCountsAsOne) {
  scriptC s;
  for (const char* stored : {"-2", "1e999", "-1e999", "0"}) {
    SCOPED_TRACE(stored);
    const std::string prefs = std::string("UNITBASE{") + stored + "}";
    const std::string text = "DRAWING{DRAWINGPREFS{" + prefs + "}DRAWINGITEMS{FIGURE{FIGUREPREFS{" + prefs +
                             "}FIGURITEMS{LINE{POINT{0,0}POINT{1,0}}}}}SETTINGS{DXFSETTINGS{DXFINSERTX{4}DXFINSERTY{-2}}}}";
    dispatchT drawing = s.make("todrawing", text.c_str());
    EXPECT_EQ(integer(drawing, "AdjustDocumentUnitBase", {number(2)}), 1);
    dispatchT figure = method(object(drawing, "DrawingItems"), "Item", {number(0)});
    dispatchT line = s.to("toline2d", method(object(figure, "FigureItems"), "Item", {number(0)}));
    expectPoint(point(line, "EndPoint"), 0.5, 0);
    EXPECT_NE(compact(drawing).find("DXFINSERTX{2}DXFINSERTY{-1}"), std::string::npos);
  }
}

TEST(prxm2dDocumentC, DrawingAndFigureHandOutTheirParts) {
  scriptC s;
  dispatchT drawing = s.make("todrawing",
                             "DRAWING{DRAWINGITEMS{FIGURE{GROUP{\"YES\"}ANSICHTNO{3.9}FIGURITEMS{LINE{POINT{0,0}"
                             "POINT{1,2}}}},NOTE,FIGURE{GROUP{yes}}}}");
  dispatchT items = object(drawing, "DrawingItems");
  EXPECT_EQ(integer(items, "Count"), 2);
  dispatchT first = method(items, "", {number(0)});
  EXPECT_EQ(integer(first, "IsGroup") * 10 + integer(method(items, "Item", {number(1)}), "IsGroup"), 10);
  EXPECT_EQ(integer(first, "ViewNumber"), 3);
  expectFailure(call(items, "Item", mzInvokeMethod, {number(2)}), "container", "out of range");
  dispatchT walk = method(items, "objEnum");
  int visited = 1;
  while (integer(walk, "nextItem", {}, mzInvokeMethod) == 1) ++visited;
  EXPECT_EQ(visited, 3);
  EXPECT_EQ(integer(walk, "prevItem", {}, mzInvokeMethod), 1);
  EXPECT_EQ(textOf(method(walk, "getItem"), "classkey"), "NOTE");

  expectPoint(point(items, "BoundRectMin"), -1e10, -1e10);
  expectPoint(point(items, "BoundRectMax"), 1e10, 1e10);
  dispatchT single = object(s.make("todrawing", "DRAWING{DRAWINGITEMS{FIGURE{FIGURITEMS{LINE{POINT{0,0}POINT{1,2}}}}}}"),
                            "DrawingItems");
  expectPoint(point(single, "BoundRectMax"), 1, 2);
  method(single, "add");
  expectPoint(point(single, "BoundRectMax"), 1, 2);
  expectPoint(point(object(s.make("todrawing", "DRAWING{DRAWINGITEMS{FIGURE}}"), "DrawingItems"), "BoundRectMin"), -1e10,
              -1e10);
  expectPoint(point(object(s.make("todrawing", "DRAWING"), "DrawingItems"), "BoundRectMin"), 1e10, 1e10);

  // Prefs, attributes, hatches and the insert point are objects over children made on request.
  dispatchT figure = s.make("tofigure", "FIGURE");
  put(object(figure, "FigurePrefs"), "DesignUnitBase", doubleValue(2));
  put(object(figure, "FigureAttr"), "Author", text("me"));
  dispatchT hatch = method(object(figure, "Hatches"), "add");
  EXPECT_EQ(real(hatch, "Angle"), 0.0);
  dispatchT insert = object(figure, "InsertPoint");
  put(object(insert, "Point"), "x", number(1));
  EXPECT_EQ(real(insert, "Rotation"), 0.0);
  EXPECT_EQ(compact(figure),
            "FIGURE{FIGUREPREFS{DESIGNUNITBASE{2}}FGRATTR{AUTHOR{\"me\"}}M2DHATCHES{M2DHATCH{ANGLE}}"
            "INSERTPOINT{POINT{1,0}ROTATION}}");
  put(object(drawing, "DrawingPrefs"), "UnitBase", number(3));
  EXPECT_EQ(textOf(object(drawing, "DrawingAttr"), "classkey"), "DRWATTR");
  expectFailure(call(object(object(drawing, "DrawingItems"), "Factory"), "keydrawing", mzInvokeMethod),
                "methode:keydrawing");
  expectFailure(call(object(drawing, "DrawingPrefs"), "UnitBase", mzInvokePropertyPut, {doubleValue(NAN)}),
                "methode:UnitBase(Para:1)");
  expectFailure(call(object(figure, "FigurePrefs"), "DesignUnitBase", mzInvokeMethod, {doubleValue(-INFINITY)}),
                "methode:DesignUnitBase(Para:1)");
}
