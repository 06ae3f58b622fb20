#include "proxy3d/prxm3dPartC.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

class m3dPartScript : public poolBalancedTest {};

TEST_F(m3dPartScript, ConnectionPointsAreCountedByKeyWordWalkedWhateverTheirKeyWordAndMovedWithThePart) {
  scriptC s;
  dispatchT p = s.make("topart", R"(PART{PARTPREFS{UNITBASE{1}},CONNECT{CONNPOINT{NAME{"C1"},)"
                                 R"(MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}},NOTE{NAME{"C1"}}}})");
  dispatchT points = get(p, "ConnectionPoints");
  EXPECT_EQ(typeNameOf(points),
            "class prxmObjListObjTypeContainerTemplateC<class prxm3dConnPointC,class m3dConnPointC> *");
  EXPECT_EQ(integer(points, "Count"), 1);
  EXPECT_EQ(point(get(item(points, 0), "Matrix"), "t"), "(1,2,3)");
  expectOutOfRange(method(points.get(), "Item", {number(1)}));
  dispatchT e = method(points, "objEnum");
  EXPECT_EQ(typeNameOf(e), "class prxmObjEnumC<class prxm3dConnPointC> *");
  EXPECT_EQ(integer(e, "nextItem", {}, mzInvokeMethod), 1);
  EXPECT_EQ(textOf(method(e, "getItem"), "Name"), "C1");
  EXPECT_EQ(integer(e, "nextItem", {}, mzInvokeMethod), 0);
  EXPECT_EQ(integer(e, "prevItem", {}, mzInvokeMethod), 1);

  dispatchT mirror = get(item(get(s.make("toasm", "ASSEMBLY{MEMBER{MAT{-1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}}"), "Members"), 0),
                         "Matrix");
  const std::string before = compact(p);
  expectFailure(method(p.get(), "transf", {number(5)}), "methode:transf(Para:1)");
  dispatchT bad = method(mirror, "");
  put(get(bad, "t"), "x", doubleValue(std::numeric_limits<double>::infinity()));
  expectFailure(method(p.get(), "transf", {objectValue(bad)}), "methode:transf(Para:1)");
  EXPECT_EQ(compact(p), before);
  EXPECT_EQ(integer(p, "transf", {objectValue(mirror)}), 1);
  dispatchT frame = get(item(get(p, "ConnectionPoints"), 0), "Matrix");
  EXPECT_EQ(point(frame, "x"), "(-1,0,0)");
  EXPECT_EQ(point(frame, "y"), "(0,-1,0)");
  EXPECT_EQ(point(frame, "z"), "(0,0,1)");
  EXPECT_EQ(point(frame, "t"), "(-1,2,3)");
  // A unit change moves the origin and keeps the axes.
  EXPECT_EQ(integer(p, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(point(frame, "t"), "(-0.5,1,1.5)");
  EXPECT_EQ(point(frame, "y"), "(0,-1,0)");

  // A connection point over nothing reads an empty name and the identity, creating nothing.
  dispatchT empty = method(get(method(s.factory, "Create", {text("prxm3dpart")}), "ConnectionPoints"), "objEnum");
  EXPECT_EQ(integer(empty, "isValid", {}, mzInvokeMethod), 0);
  dispatchT nothing = method(empty, "getItem");
  EXPECT_EQ(textOf(nothing, "Name"), "");
  EXPECT_EQ(point(get(nothing, "Matrix"), "x"), "(1,0,0)");
  EXPECT_EQ(point(get(nothing, "Matrix"), "t"), "(0,0,0)");
  EXPECT_EQ(integer(nothing, "ValidObj"), 0);

  // A new connection point, and one without "NAME", read an empty name.
  dispatchT added = method(points, "add");
  EXPECT_EQ(textOf(added, "Name"), "");
  EXPECT_EQ(compact(added), "CONNPOINT{NAME}");
  EXPECT_EQ(integer(points, "Count"), 2);
}

TEST_F(m3dPartScript, ColourTypeAndAttributesAreWrittenOnlyFromValuesThatConvert) {
  scriptC s;
  dispatchT p = method(s.factory, "Create", {text("prxm3dpart")});
  dispatchT color = get(p, "ColorRGB");
  EXPECT_EQ(real(color, "x"), 0.0);
  put(color, "y", number(128));
  EXPECT_EQ(textOf(method(p.get(), "writeToString", {number(1), number(0)})), "PART{RGBCOLOR{0,128,0}}");
  expectFailure(call(color, "y", mzInvokePropertyPut, {doubleValue(std::nan(""))}), "methode:y(Para:1)");
  expectFailure(method(color.get(), "z", {doubleValue(-std::numeric_limits<double>::infinity())}), "methode:z(Para:1)");
  EXPECT_EQ(compact(p), "PART{RGBCOLOR{0,128,0}}");

  EXPECT_EQ(textOf(call(p, "MTyp", mzInvokePropertyPut, {text("NEG")})), "NEG");
  EXPECT_EQ(textOf(p, "MTyp"), "NEG");
  EXPECT_EQ(textOf(method(p.get(), "MTyp", {text("POS")})), "POS");
  for (const char* bad : {"a b", "", "}", "\"x\""})
    expectFailure(call(p, "MTyp", mzInvokePropertyPut, {text(bad)}), "methode:MTyp(Para:1)");
  expectFailure(call(p, "MTyp", mzInvokePropertyPut, {number(3)}), "methode:MTyp(Para:1)");
  EXPECT_EQ(textOf(p, "MTyp"), "POS");
  EXPECT_EQ(textOf(p, "File3db"), "");

  dispatchT attributes = get(p, "PartAttr");
  EXPECT_EQ(typeNameOf(attributes), "class prxm3dPartAttrC *");
  EXPECT_EQ(integer(attributes, "IgnoreSectionViewCut"), 0);
  put(attributes, "IgnoreSectionViewCut", doubleValue(1.9));
  EXPECT_EQ(integer(attributes, "IgnoreSectionViewCut"), 1);
  expectFailure(call(attributes, "IgnoreSectionViewCut", mzInvokePropertyPut, {text("x")}),
                "methode:IgnoreSectionViewCut(Para:1)");
  put(attributes, "ExcludeFromBom", number(1));
  EXPECT_EQ(integer(attributes, "ExcludeFromBom"), 1);
  method(method(p, "NamePrefix"), "Append", {text("X-")});
  const std::string written = compact(p);
  EXPECT_NE(written.find("IGNSECVIEWCUT{1}"), std::string::npos) << written;
  EXPECT_NE(written.find(R"(DOCNAMEPRE{"X-"})"), std::string::npos) << written;
  EXPECT_EQ(real(get(p, "PartPrefs"), "UnitBase"), 0.0);
}
