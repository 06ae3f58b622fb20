#include "proxy3d/prxm3dPartDetailLevelC.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/metaTreeC.h"
#include "model3d/documents/m3dPartC.h"
#include "proxy3d/prxm3dPartC.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/hostArrayEngine.h"
#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

constexpr const char* twoLevels =
    R"(PART{ITEMS{BASE{NAME{"A"}},BASE{NAME{"A"}},BASE{NAME{"B"}}},PARTLOD{PARTLODENTS{)"
    R"(PARTLODENT{NAME{"L"},PARTLODEXCFEATLST{"A","A"}},NOTE,PARTLODENT{NAME{"L"},PARTLODEXCFEATLST{"B"}}}}})";

// Recalculation by the level "L" as a search from the first feature for each excluded name,
// deleting as it goes.
int recalcOneByOne(metaTreeC* part) {
  m3dPartC document(part, 0);
  m3dPartItemsC items = document.getItems();
  m3dPartDetailLevelEntryC entry = document.getDetailLevel().findEntry("L");
  if (!entry.isValid()) return 0;
  metaObjListStrContainerC excluded = entry.getExcludedFeatures();
  const uint32_t count = excluded.getCount();
  for (uint32_t i = 0; i < count; ++i) {
    metaTreeC* feature = items.findFeatureByName(excluded.getItem(int(i))).getNode();
    if (!feature) continue;
    metaTreeC::unlink(feature);
    ++metaTreeChangeCounter;
    metaTreeC::deleteTree(feature);
  }
  return 1;
}

// A part of up to 14 features named from a few names (some twice, some without a text name)
// and up to two levels "L", excluding names that partly match, repeat or are no text.
std::string randomPart(std::mt19937& random) {
  auto pick = [&random](std::initializer_list<const char*> choices) {
    return *(choices.begin() + random() % choices.size());
  };
  std::string text = "PART{ITEMS{";
  for (uint32_t i = random() % 15; i > 0; --i)
    text.append(pick({R"(BASE{NAME{"A"}},)", R"(BASE{NAME{"B"}},)", R"(SKETCH{NAME{"C"}},)", R"(BASE{NAME{""}},)",
                      "BASE{NAME{A}},", "BASE,", R"(BASE{NAME{"AB"}},)", R"(BASE{NAME{"B"},NAME{"A"}},)"}));
  text += "},PARTLOD{PARTLODENTS{";
  for (uint32_t level = random() % 3; level > 0; --level) {
    text.append(pick({R"(PARTLODENT{NAME{"L"},PARTLODEXCFEATLST{)", R"(PARTLODENT{NAME{"M"},PARTLODEXCFEATLST{)"}));
    for (uint32_t i = random() % 9; i > 0; --i)
      text.append(pick({R"("A",)", R"("B",)", R"("C",)", R"("",)", R"("D",)", "7,", "A,", R"("AB",)"}));
    text += "}},";
  }
  return text + "}}}";
}

}  // namespace

TEST(m3dDetailLevelRecalculation, DeletesWhatASearchFromTheFirstFeatureForEachNameDeletes) {
  std::mt19937 random(2024);
  for (int round = 0; round < 300; ++round) {
    const std::string partText = randomPart(random);
    SCOPED_TRACE(partText);
    metaTreeC* expected = metaObjectC::readFromString(partText.c_str(), 0).getNode();
    const uint32_t changesBefore = metaTreeChangeCounter;
    const int expectedResult = recalcOneByOne(expected);
    const uint32_t expectedChanges = metaTreeChangeCounter - changesBefore;
    const dispatchT reference(new prxm3dPartC(metaObjectC(expected, 1)));

    const dispatchT part(new prxm3dPartC(metaObjectC::readFromString(partText.c_str(), 1)));
    const uint32_t changesAtCall = metaTreeChangeCounter;
    EXPECT_EQ(integer(part, "RecalcWithDetailLevel", {text("L")}), expectedResult);
    EXPECT_EQ(metaTreeChangeCounter - changesAtCall, expectedChanges);
    EXPECT_EQ(compact(part), compact(reference));
  }
}

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
