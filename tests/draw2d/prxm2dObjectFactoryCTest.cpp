#include "draw2d/proxies/prxm2dObjectFactoryC.h"

#include <gtest/gtest.h>

#include "tests/draw2d/drawingScript.h"
#include "tests/helpers/poolBalance.h"

using namespace drawingScript;

TEST(prxm2dObjectFactoryC, CreatesDocumentsByNameAndTheirNamesArePutAsTexts) {
  scriptC s;
  dispatchT d = method(s.factory, "Create", {text("PRXM2DDRAWING")});
  EXPECT_EQ(compact(d), "DRAWING");
  EXPECT_EQ(textOf(d, "Name"), "");
  EXPECT_EQ(compact(d), "DRAWING{NAME}");
  expectFailure(call(d, "Name", mzInvokePropertyPut, {number(5)}), "methode:Name(Para:1)");
  EXPECT_EQ(compact(d), "DRAWING{NAME}");

  // Puts chain, and a value of another kind stays behind the text put.
  dispatchT f = method(s.factory, "Create", {text("prxm2dFigure")});
  EXPECT_EQ(put(put(f, "ShortName", text("s")), "MIdent", text("m")).get(), f.get());
  EXPECT_EQ(method(f, "Name", {text("n")}).get(), f.get());
  dispatchT named = s.make("tofigure", "FIGURE{NAME{7}}");
  put(named, "Name", text("x"));
  EXPECT_EQ(compact(named), "FIGURE{NAME{\"x\",7}}");
  EXPECT_EQ(textOf(f, "ShortName") + textOf(f, "MIdent") + textOf(f, "Name"), "smn");
  EXPECT_EQ(textOf(f, "classkey"), "FIGURE");

  // Generic names are made, not stored; the short name is fitted to a limit.
  dispatchT unnamed = method(s.factory, "Create", {text("prxm2dfigure")});
  const std::string generated = metaProxyTest::textOf(call(unnamed, "GenericName", mzInvokeMethod));
  EXPECT_EQ(generated.rfind("VRK_", 0), 0u);
  EXPECT_NE(metaProxyTest::textOf(call(unnamed, "GenericName", mzInvokeMethod)), generated);
  EXPECT_EQ(compact(unnamed), "FIGURE{NAME}");
  EXPECT_EQ(metaProxyTest::textOf(call(f, "GenericShortName", mzInvokeMethod)), "s");
  put(f, "ShortName", text("A-B_C"));
  EXPECT_EQ(metaProxyTest::textOf(call(f, "GenericShortName", mzInvokeMethod, {number(4)})), "ABC");

  // Other names are the meta-object factory's.
  EXPECT_EQ(call(s.factory, "Create", mzInvokeMethod, {text("prxm2dline")}).outcome, 0u);
  EXPECT_FALSE(method(s.factory, "Create", {text("prxm2dline")}));
  EXPECT_EQ(textOf(method(s.factory, "Create", {text("PrxmStringList")}), "classkey"), "STRLIST");
}

TEST(prxm2dObjectFactoryC, ConversionsCopyARootAndShareANodeInsideATree) {
  scriptC s;
  dispatchT d = method(s.factory, "Create", {text("prxm2ddrawing")});
  put(d, "Name", text("A"));
  put(s.to("todrawing", d), "Name", text("B"));
  EXPECT_EQ(textOf(d, "Name"), "A");

  dispatchT g = method(object(d, "DrawingItems"), "add");
  put(s.to("tofigure", method(object(d, "DrawingItems"), "Item", {number(0)})), "Name", text("X"));
  EXPECT_EQ(textOf(g, "Name"), "X");
  EXPECT_EQ(compact(d), "DRAWING{NAME{\"A\"}DRAWINGITEMS{FIGURE{NAME{\"X\"}}}}");

  // No object, a lower-case root, or another class: an empty result, no error.
  for (const char* conversion : {"todrawing", "tofigure", "toline2d", "tocircle2d", "toarc2d", "tointcurve2d",
                                 "toshapeattr2d", "toellipse2d", "toellipsearc2d"}) {
    callS done = call(s.factory, conversion, mzInvokeMethod, {text("abc")});
    EXPECT_EQ(done.outcome, 0u) << conversion;
    EXPECT_EQ(done.result.type, mzVariantS::typeEmpty) << conversion;
  }
  EXPECT_FALSE(s.make("todrawing", "drawing"));
  EXPECT_FALSE(s.make("toellipse2d", "ELLIPSEARC"));
  EXPECT_FALSE(s.to("tofigure", d));

  // Each class: its key, its test, and the typed object's type name.
  struct classS {
    const char* name;
    const char* key;
    const char* typeName;
  };
  const classS classes[] = {
      {"drawing", "DRAWING", "class prxm2dDrawingC *"},
      {"figure", "FIGURE", "class prxm2dFigureC *"},
      {"line2d", "LINE", "class prxmLine2dC *"},
      {"circle2d", "CIRCLE", "class prxmCircle2dC *"},
      {"arc2d", "ARC", "class prxmArc2dC *"},
      {"intcurve2d", "ICRV2D", "class prxmICrv2dC *"},
      {"shapeattr2d", "SHAPEATTR", "class prxmShapeAttr2dC *"},
      {"ellipse2d", "ELLIPSE", "class prxmEllipse2dC *"},
      {"ellipsearc2d", "ELLIPSEARC", "class prxmEllipseArc2dC *"},
  };
  for (const classS& c : classes) {
    EXPECT_EQ(metaProxyTest::textOf(call(s.factory, ("key" + std::string(c.name)).c_str(), mzInvokeMethod)), c.key);
    dispatchT source = s.read(c.key);
    EXPECT_EQ(integer(s.factory, ("is" + std::string(c.name)).c_str(), {objectValue(source)}), 1) << c.name;
    EXPECT_EQ(integer(s.factory, ("is" + std::string(c.name)).c_str(), {objectValue(d)}),
              c.key == std::string("DRAWING"));
    dispatchT typed = s.to(("to" + std::string(c.name)).c_str(), source);
    ASSERT_TRUE(typed) << c.name;
    EXPECT_STREQ(dynamic_cast<proxyObjectC*>(typed.get())->getTypeName(), c.typeName);
  }
  EXPECT_EQ(integer(s.factory, "isline2d", {number(3)}), 0);
}

TEST(prxm2dObjectFactoryC, FactoriesOfDocumentsAreNewTwoDFactoriesAndShapesHaveTheGenericOne) {
  scriptC s;
  metaProxyTest::buildTables();
  poolBalance balance;
  {
    dispatchT d = method(s.factory, "Create", {text("prxm2ddrawing")});
    dispatchT first = object(d, "Factory");
    dispatchT second = object(d, "Factory");
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(metaProxyTest::textOf(call(second, "keyintcurve2d", mzInvokeMethod)), "ICRV2D");
    EXPECT_EQ(textOf(method(first, "createFromString", {text("LINE")}), "classkey"), "LINE");

    dispatchT hatch = method(object(s.make("tofigure", "FIGURE"), "Hatches"), "add");
    EXPECT_EQ(metaProxyTest::textOf(call(object(hatch, "Factory"), "keyfigure", mzInvokeMethod)), "FIGURE");
    dispatchT items = object(s.make("tofigure", "FIGURE{FIGURITEMS{LINE}}"), "FigureItems");
    expectFailure(call(object(method(items, "Item", {number(0)}), "Factory"), "keyline2d", mzInvokeMethod),
                  "methode:keyline2d");
    expectFailure(call(object(items, "Factory"), "keyline2d", mzInvokeMethod), "methode:keyline2d");
  }
  balance.expectBalanced();
}
