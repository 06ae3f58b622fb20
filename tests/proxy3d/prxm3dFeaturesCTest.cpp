#include "proxy3d/prxm3dFeaturesC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  expectFailure(method(l.get(), "acceptFeatures", {number(0), number(1)}), "methode:acceptFeatures(Para:2)");
  EXPECT_EQ(integer(l, "acceptFeatures", {doubleValue(std::nan("")), text("SKETCH")}), 1);
  EXPECT_EQ(integer(l, "acceptFeatures", {doubleValue(4294967297.0), text("SKETCH")}), 1);
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
  EXPECT_EQ(put(plane, "Name", text("W")).get(), plane.get());
  EXPECT_EQ(textOf(method(l, "Item", {text("W")}), "Name"), "W");
  EXPECT_EQ(integer(get(item(l, 0), "PrevFeature"), "ValidObj"), 0);
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

TEST_F(m3dFeaturesScript, PatternsAreSplitLastFirstWhenAcceptedByClassKeyOrSplitOutright) {
  constexpr const char* identity = "1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1";
  const std::string pattern =
      std::string(R"(PART{ITEMS{SKETCH{NAME{"S"},MAT{)") + identity +
      R"(},SKETCHON{PLANE{"Plane XY"}},LOOP{CIRCLE{POINT{0,0},RAD{1}}}},BASE{NAME{"F"},TYP{EXTRUDE},USED{"S"},)"
      R"(PARAM{5,0,0}},FEATPATTERN{NAME{"P"},FPBASEFEAT{NAME{"F"},POINT3D{0,0,0}},FPSKETCH{MAT{)" +
      identity +
      R"(},SKETCHON{PLANE{"Plane XY"}},FPSKETCHPOINTS{POINT{10,0},POINT{20,0},POINT{30,0}}}}},)"
      R"(COSDRAW{COSSKETCH{NAME{"S_COSMETIC"}}}})";
  const std::vector<std::string> split = {"S", "F", "P_SKETCH_3", "P_SKETCH_2", "P_SKETCH_1", "F_3", "F_2", "F_1"};
  auto names = [](const dispatchT& part) {
    std::vector<std::string> found;
    dispatchT l = get(part, "Features");
    for (int i = 0, count = integer(l, "Count"); i < count; ++i) found.push_back(textOf(item(l, i), "Name"));
    return found;
  };
  scriptC s;

  dispatchT accepted = s.make("topart", pattern.c_str());
  EXPECT_EQ(integer(get(accepted, "Features"), "acceptFeatures", {number(0), text("FEATPATTERN")}), 1);
  EXPECT_EQ(names(accepted), split);
  EXPECT_EQ(integer(get(accepted, "Features"), "ExistsFeatureType", {text("FEATPATTERN")}), 0);
  EXPECT_EQ(integer(get(accepted, "CosmeticDraws"), "Count"), 4);

  // Class keys, not names, select; mode 1 takes every feature whose key is not listed.
  dispatchT byName = s.make("topart", pattern.c_str());
  EXPECT_EQ(integer(get(byName, "Features"), "acceptFeatures", {number(0), text("P")}), 1);
  EXPECT_EQ(integer(get(byName, "Features"), "Count"), 3);
  EXPECT_EQ(integer(get(byName, "Features"), "acceptFeatures", {number(1), text("SKETCH"), text("BASE")}), 1);
  EXPECT_EQ(names(byName), split);

  dispatchT splitOutright = s.make("topart", pattern.c_str());
  EXPECT_EQ(integer(get(splitOutright, "Features"), "SplitFeaturePatterns", {}, mzInvokeMethod), 1);
  EXPECT_EQ(names(splitOutright), split);
  EXPECT_EQ(integer(get(splitOutright, "Features"), "SplitFeaturePatterns", {}, mzInvokeMethod), 0);
}
