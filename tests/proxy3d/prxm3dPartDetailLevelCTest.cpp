#include "proxy3d/prxm3dPartDetailLevelC.h"

#include <gtest/gtest.h>

#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/hostArrayEngine.h"
#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

constexpr const char* twoLevels =
    R"(PART{ITEMS{BASE{NAME{"A"}},BASE{NAME{"A"}},BASE{NAME{"B"}}},PARTLOD{PARTLODENTS{)"
    R"(PARTLODENT{NAME{"L"},PARTLODEXCFEATLST{"A","A"}},NOTE,PARTLODENT{NAME{"L"},PARTLODEXCFEATLST{"B"}}}}})";

}  // namespace

class m3dDetailLevelScript : public hostArrayEngineTest {};

TEST_F(m3dDetailLevelScript, RecalculationDeletesTheFirstLevelsFeaturesForGoodAndLeavesTheirObjectsUsable) {
  scriptC s;
  dispatchT p = s.make("topart", twoLevels);
  dispatchT g = item(get(p, "Features"), 0);
  const std::string before = compact(p);
  EXPECT_EQ(integer(p, "RecalcWithDetailLevel", {text("none")}), 0);
  EXPECT_EQ(compact(p), before);
  EXPECT_EQ(integer(p, "RecalcWithDetailLevel", {text("L")}), 1);
  EXPECT_EQ(integer(get(p, "Features"), "Count"), 1);
  EXPECT_EQ(textOf(item(get(p, "Features"), 0), "Name"), "B");
  EXPECT_EQ(textOf(g, "Name"), "A");
  EXPECT_EQ(integer(p, "RecalcWithDetailLevel", {text("L")}), 1);
  EXPECT_EQ(integer(get(p, "Features"), "Count"), 1);
  expectFailure(method(p.get(), "RecalcWithDetailLevel", {number(1)}), "methode:RecalcWithDetailLevel(Para:1)");

  // A fresh part without levels creates what the search passes through.
  dispatchT bare = method(s.factory, "Create", {text("prxm3dpart")});
  EXPECT_EQ(integer(bare, "RecalcWithDetailLevel", {text("")}), 0);
  EXPECT_EQ(compact(bare), "PART{ITEMS,PARTLOD{PARTLODENTS}}");
}

TEST_F(m3dDetailLevelScript, LevelsAreFoundByNameListedInAHostArrayAndAppliedToAnotherPartsFeatures) {
  scriptC s;
  dispatchT p = s.make("topart", twoLevels);
  dispatchT levels = get(p, "PartDetailLevel");
  EXPECT_EQ(method(levels, "GetDetailLevelNames").get(), static_cast<mzIDispatch*>(&array));
  EXPECT_EQ(array.texts(), (std::vector<std::string>{"L", "L"}));
  EXPECT_EQ(integer(get(method(levels, "GetDetailLevel", {text("L")}), "ExcludeFeatureList"), "Count"), 2);
  EXPECT_EQ(integer(method(levels, "GetDetailLevel", {text("x")}), "ValidObj"), 0);

  dispatchT list = get(levels, "DetailLevels");
  EXPECT_EQ(typeNameOf(list), "class prxmObjListObjTypeContainerTemplateC<class prxm3dPartDetailLevelEntryC,"
                              "class m3dPartDetailLevelEntryC> *");
  EXPECT_EQ(integer(list, "Count"), 2);
  EXPECT_EQ(textOf(method(get(item(list, 1), "ExcludeFeatureList").get(), "Item", {number(0)})), "B");
  dispatchT added = method(list, "add");
  EXPECT_EQ(textOf(added, "Name"), "");
  EXPECT_EQ(compact(added), "PARTLODENT{NAME}");
  put(added, "Name", text("M"));
  method(get(added, "ExcludeFeatureList"), "Append", {text("B")});
  EXPECT_EQ(textOf(levels, "SelectedDetailName"), "");
  put(levels, "SelectedDetailName", text("M"));
  EXPECT_EQ(textOf(levels, "SelectedDetailName"), "M");

  // Another part's features, reached directly or through default members.
  dispatchT q = s.make("topart", R"(PART{ITEMS{BASE{NAME{"A"}},BASE{NAME{"C"}},BASE{NAME{"B"}}}})");
  fakeDispatchC host;
  host.defaultValue = objectValue(get(q, "Features"));
  EXPECT_EQ(integer(levels, "RecalcWithDetailLevel", {text("L"), objectValue(&host)}), 1);
  EXPECT_EQ(integer(get(q, "Features"), "Count"), 2);
  EXPECT_EQ(integer(levels, "RecalcWithDetailLevel", {text("M"), objectValue(get(q, "Features"))}), 1);
  EXPECT_EQ(textOf(item(get(q, "Features"), 0), "Name"), "C");
  EXPECT_EQ(integer(get(q, "Features"), "Count"), 1);
  EXPECT_EQ(integer(get(p, "Features"), "Count"), 3);

  fakeDispatchC itself;
  itself.returnsSelf = true;
  const std::string before = compact(p);
  for (const mzVariantS& bad : {number(5), objectValue(&itself), objectValue(p), text("L")})
    expectFailure(method(levels.get(), "RecalcWithDetailLevel", {text("L"), bad}),
                  "methode:RecalcWithDetailLevel(Para:2)");
  EXPECT_EQ(itself.invokeCount, 32);
  EXPECT_EQ(compact(p), before);
  host.defaultValue.clear();

  // A refusing array is still handed out; without an engine there is none.
  array.refusesAdd = true;
  array.items.clear();
  EXPECT_EQ(method(levels, "GetDetailLevelNames").get(), static_cast<mzIDispatch*>(&array));
  EXPECT_TRUE(array.items.empty());
  while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
  expectEmptyResult(method(levels.get(), "GetDetailLevelNames"));
}
