#include "model3d/features/m3dFeatGenC.h"

#include <gtest/gtest.h>

#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/features/m3dPartItemsC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::treeC;

namespace {

const char* const lodPart =
    "PART{ITEMS{PLANE{NAME{\"A\"}},SKETCH{NAME{\"B\"}},PLANE{NAME{\"A\"}},BASE{NAME{\"C\"}}},"
    "PARTLOD{PARTLODENTS{PARTLODENT{NAME{\"low\"},PARTLODEXCFEATLST{\"A\",\"A\",\"Z\"}}}}}";

}  // namespace

TEST(m3dPartDetailLevelC, SwitchingDeletesTheExcludedFeaturesOnce) {
  poolBalance pool;
  {
    treeC part(lodPart);
    m3dPartC view(part.node(), 0);
    metaTreeViewC firstA(part.node()->firstChild->firstChild);
    EXPECT_EQ(view.recalcWithSelectedDetailLevel("LOW"), 0);
    EXPECT_EQ(view.getItems().getCount(), 4u);
    EXPECT_EQ(view.recalcWithSelectedDetailLevel("low"), 1);
    EXPECT_EQ(part.text().rfind("PART{ITEMS{SKETCH{NAME{\"B\"}}BASE{NAME{\"C\"}}}PARTLOD{", 0), 0u) << part.text();
    EXPECT_FALSE(view.getItems().findFeatureByType("PLANE").isValid());
    EXPECT_EQ(view.recalcWithSelectedDetailLevel("low"), 1);
    EXPECT_EQ(view.getItems().getCount(), 2u);
    // The removed feature stays readable, detached, while it is viewed.
    EXPECT_EQ(m3dFeatGenC(firstA.getNode(), 0).getName(), "A");
    EXPECT_EQ(firstA.getNode()->parent, nullptr);

    m3dPartItemsC items = view.getItems();
    EXPECT_FALSE(items.findFeatureByName("nope").isValid());
    EXPECT_FALSE(items.findFeatureByType("plane").isValid());
    EXPECT_EQ(items.findFeatureByName("C").getNode(), items.childAt(1));
    const nameListC names = view.getDetailLevel().getEntryNames();
    ASSERT_EQ(names.elementCount, 1u);
    EXPECT_EQ(names[0], "low");
    EXPECT_EQ(view.getDetailLevel().countEntries(), 1u);
  }
  pool.expectBalanced();
}

TEST(m3dFeatGenC, UnregisteredFeaturesGiveTheDefaults) {
  treeC sweep("SWEEP{}");
  m3dFeatGenC feature(sweep.node(), 0);
  centerLineListC lines;
  nameListC names;
  EXPECT_EQ(feature.collectCenterLines(lines), 0);
  EXPECT_EQ(feature.getMaterialRole(), 2);
  EXPECT_EQ(feature.splitIntoCopies(), 1);
  EXPECT_EQ(feature.getReferencedNames(names), 1);
  EXPECT_EQ(lines.elementCount + names.elementCount, 0u);
  EXPECT_EQ(feature.getName(), "");
  EXPECT_EQ(sweep.text(), "SWEEP{NAME}");

  // Writes of one value always take effect; a number in NAME stays behind the text.
  treeC named("PLANE{NAME{3}}");
  m3dFeatGenC plane(named.node(), 0);
  plane.setName("n");
  plane.setUsedName("u");
  EXPECT_EQ(plane.getName(), "n");
  EXPECT_EQ(named.text(), "PLANE{NAME{\"n\",3}USED{\"u\"}}");
  EXPECT_FALSE(m3dFeatGenC().getItems().isValid());
  EXPECT_EQ(plane.getItems().getNode(), nullptr);
}

TEST(m3dPartItemsC, InsertFeatureCopiesFirstAndRefusesLinkedNodes) {
  poolBalance pool;
  {
    treeC items("ITEMS{PLANE{NAME{\"a\"}},PLANE{NAME{\"b\"}}}");
    m3dPartItemsC list(items.node(), 0);
    metaTreeC* a = list.childAt(0);
    metaTreeC* b = list.childAt(1);
    EXPECT_TRUE(list.insertFeature(m3dFeatGenC(b, 0), 1, a, nullptr).isValid());
    EXPECT_EQ(items.text(), "ITEMS{PLANE{NAME{\"b\"}}PLANE{NAME{\"a\"}}PLANE{NAME{\"b\"}}}");
    metaObjectC x = metaObjectC::readFromString("PLANE{NAME{\"x\"}}", 0);
    EXPECT_EQ(list.insertFeature(m3dFeatGenC(x.getNode(), 0), 0, nullptr, a).getNode(), x.getNode());
    EXPECT_EQ(items.text(), "ITEMS{PLANE{NAME{\"b\"}}PLANE{NAME{\"a\"}}PLANE{NAME{\"x\"}}PLANE{NAME{\"b\"}}}");
    metaTreeC* appended = list.insertFeature(m3dFeatGenC(a, 0), 1, nullptr, nullptr).getNode();
    EXPECT_EQ(appended, list.childAt(4));

    // Refused, nothing changing: a linked node without the copy flag, the list itself, a
    // sibling from another list, no feature.
    const std::string before = items.text();
    treeC other("ITEMS{PLANE}");
    EXPECT_FALSE(list.insertFeature(m3dFeatGenC(b, 0), 0, nullptr, nullptr).isValid());
    EXPECT_FALSE(list.insertFeature(m3dFeatGenC(items.node(), 0), 0, nullptr, nullptr).isValid());
    EXPECT_FALSE(list.insertFeature(m3dFeatGenC(b, 0), 1, other.node()->firstChild, nullptr).isValid());
    EXPECT_FALSE(list.insertFeature(m3dFeatGenC(), 1, nullptr, nullptr).isValid());
    EXPECT_EQ(items.text(), before);
    EXPECT_EQ(other.text(), "ITEMS{PLANE}");

    EXPECT_EQ(m3dFeatGenC(a, 0).getItems().getNode(), items.node());
  }
  pool.expectBalanced();
}
