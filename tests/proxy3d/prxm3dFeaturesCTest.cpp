#include "proxy3d/prxm3dFeaturesC.h"

#include <gtest/gtest.h>

#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

constexpr const char* sketchAndBase =
    R"(PART{ITEMS{SKETCH{NAME{"S1"}},BASE{NAME{"F1"},TYP{EXTRUDE},USED{"S1"},PARAM{5,0,0}}}})";

}  // namespace

class m3dFeaturesScript : public poolBalancedTest {};

TEST_F(m3dFeaturesScript, ItemFindsByNameOrIndexAndTestsAndAddsClassKeysExactly) {
  scriptC s;
  dispatchT p = s.make("topart", sketchAndBase);
  dispatchT l = get(p, "Features");
  EXPECT_EQ(typeNameOf(l), "class prxm3dFeaturesC *");
  EXPECT_EQ(integer(l, "Count"), 2);
  EXPECT_EQ(textOf(method(l, "Item", {text("F1")}), "Name"), "F1");
  EXPECT_EQ(textOf(item(l, 1), "Name"), "F1");
  EXPECT_EQ(textOf(method(l, "", {number(0)}), "Name"), "S1");
  EXPECT_EQ(integer(method(l, "Item", {text("zz")}), "ValidObj"), 0);
  expectOutOfRange(method(l.get(), "Item", {number(2)}));
  expectOutOfRange(method(l.get(), "Item", {number(-1)}));
  EXPECT_EQ(integer(l, "ExistsFeatureType", {text("sketch")}), 0);
  EXPECT_EQ(integer(l, "ExistsFeatureType", {text("SKETCH")}), 1);
  EXPECT_EQ(integer(get(item(l, 1), "NextFeature"), "ValidObj"), 0);
  EXPECT_EQ(textOf(get(item(l, 1), "PrevFeature"), "Name"), "S1");

  const std::string before = compact(p);
  EXPECT_EQ(integer(l, "acceptFeatures", {number(2), text("SKETCH")}), 1);
  EXPECT_EQ(intOf(method(l.get(), "acceptFeatures")), 0);
  expectFailure(method(l.get(), "acceptFeatures", {text("x")}), "methode:acceptFeatures(Para:1)");
  expectFailure(method(l.get(), "acceptFeatures", {doubleValue(std::nan("")), text("SKETCH")}),
                "methode:acceptFeatures(Para:1)");
  EXPECT_EQ(compact(p), before);

  for (const char* bad : {"}", "", "a b", "1x"}) {
    expectFailure(method(l.get(), "Add", {text(bad)}), "methode:Add(Para:1)");
    expectFailure(method(l.get(), "add", {text(bad)}), "methode:add(Para:1)");
  }
  EXPECT_EQ(compact(p), before);
  dispatchT plane = method(l, "Add", {text("PLANE")});
  EXPECT_EQ(integer(l, "Count"), 3);
  EXPECT_EQ(textOf(plane, "Name"), "");
  EXPECT_EQ(compact(method(l, "Item", {number(2)})), "PLANE{NAME}");
}

TEST_F(m3dFeaturesScript, DeletedFeaturesAndEnumeratorsStayUsableOnTheDetachedNodes) {
  scriptC s;
  dispatchT p = s.make("topart", sketchAndBase);
  dispatchT g = item(get(p, "Features"), 0);
  EXPECT_EQ(integer(g, "Delete", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(get(p, "Features"), "Count"), 1);
  EXPECT_EQ(textOf(g, "Name"), "S1");
  EXPECT_EQ(integer(get(g, "NextFeature"), "ValidObj"), 0);
  const std::string after = compact(p);
  EXPECT_EQ(integer(g, "Delete", {}, mzInvokeMethod), 1);
  EXPECT_EQ(compact(p), after);

  EXPECT_EQ(integer(method(get(p, "Features"), "Item", {text("none")}), "Delete", {}, mzInvokeMethod), 1);
  EXPECT_EQ(compact(p), after);

  dispatchT e = method(get(p, "Features"), "objEnum");
  EXPECT_EQ(typeNameOf(e), "class prxmObjEnumC<class prxm3dGenFeatureC> *");
  EXPECT_EQ(textOf(method(e, "getItem"), "Name"), "F1");
  EXPECT_EQ(integer(get(p, "Features"), "RemoveAll", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(get(p, "Features"), "Count"), 0);
  EXPECT_EQ(textOf(method(e, "getItem"), "Name"), "F1");
  EXPECT_EQ(integer(e, "nextItem", {}, mzInvokeMethod), 0);
  EXPECT_EQ(integer(e, "isValid", {}, mzInvokeMethod), 1);
}
