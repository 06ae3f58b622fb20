#include "core/metaObjListStrContainerC.h"

#include <gtest/gtest.h>

#include "core/metaObjKeyContainerC.h"
#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

TEST(metaObjListStrContainerC, ItemsAreReadAndWrittenByIndex) {
  metaObjListStrContainerC list(parse("L{\"a\" b 3 \"d\"}"), 1);
  uint32_t found = 0;
  EXPECT_STREQ(list.getItem(0, &found).c_str(), "a");
  EXPECT_EQ(found, 1u);
  EXPECT_STREQ(list.getItemText(1, &found).c_str(), "b");
  EXPECT_EQ(found, 1u);
  // An item that holds no text reads as "", not found.
  EXPECT_STREQ(list.getItem(2, &found).c_str(), "");
  EXPECT_EQ(found, 0u);
  EXPECT_STREQ(list.getItem(4, &found).c_str(), "");
  EXPECT_EQ(found, 0u);
  EXPECT_STREQ(list.getItem(-1, &found).c_str(), "");
  EXPECT_EQ(found, 0u);
  list.setItem(1, "B", &found);
  list.setItemWord(0, "A", &found);
  list.setItem(9, "none", &found);
  EXPECT_EQ(found, 0u);
  EXPECT_EQ(describe(list.node), "W:L{W:A S:\"B\" D:3 S:\"d\"}");
  EXPECT_EQ(list.getItemNode(3, &found), list.node->firstChild->next->next->next);
  EXPECT_EQ(found, 1u);

  EXPECT_EQ(list.ensureCount(2, "x"), 4u);
  EXPECT_EQ(list.ensureCount(6, "x"), 2u);
  EXPECT_EQ(describe(list.node), "W:L{W:A S:\"B\" D:3 S:\"d\" S:\"x\" S:\"x\"}");
  metaObjListStrContainerC empty(metaTreeC::newWithKeyword("E"), 1);
  EXPECT_EQ(empty.ensureCount(1, "y"), 1u);
  EXPECT_EQ(describe(empty.node), "W:E{S:\"y\"}");
}

TEST(metaObjListStrContainerC, TheCacheFollowsEveryChange) {
  metaObjListStrContainerC list(parse("L{a b c}"), 1);
  EXPECT_STREQ(list.getItem(2).c_str(), "c");
  EXPECT_EQ(list.childAt(3), nullptr);
  EXPECT_STREQ(list.getItem(0).c_str(), "a");  // answered from the cache
  list.removeChildAt(0);
  EXPECT_STREQ(list.getItem(0).c_str(), "b");
  metaTreeC::appendWordChild(list.node, "d");
  EXPECT_STREQ(list.getItem(2).c_str(), "d");
  // Another container over another node never answers with this one's entries.
  metaObjListStrContainerC other(parse("M{z}"), 1);
  EXPECT_STREQ(other.getItem(0).c_str(), "z");
  EXPECT_STREQ(list.getItem(0).c_str(), "b");
  metaObjListStrContainerC copy(list);
  EXPECT_NE(copy.node, list.node);
  EXPECT_STREQ(copy.getItem(1).c_str(), "c");
  copy = other;
  EXPECT_STREQ(copy.getItem(0).c_str(), "z");
  EXPECT_EQ(copy.childAt(1), nullptr);
}

TEST(metaObjKeyContainerC, KeyedChildrenAndCreationByNumber) {
  metaObjKeyContainerC container(parse("C{P X P Y}"), 1);
  EXPECT_EQ(container.keyedChildAt(1, "P"), container.node->firstChild->next->next);
  EXPECT_EQ(container.keyedChildAt(2, "P"), nullptr);
  EXPECT_EQ(container.keyedChildAt(0, "Y"), container.node->firstChild->next->next->next);
  metaTreeC* third = container.getOrCreateChildByKeywordNr("P", 3);
  EXPECT_EQ(describe(container.node), "W:C{W:P W:X W:P W:Y W:P W:P}");
  EXPECT_EQ(third, metaTreeC::lastSibling(container.node->firstChild));
  EXPECT_EQ(container.getOrCreateChildByKeywordNr("P", 0), container.node->firstChild);
  EXPECT_EQ(container.getOrCreateChildByKeywordNr("P", -1), nullptr);
  EXPECT_EQ(container.childCount(), 6u);
}

TEST(metaObjListValContainerT, SetAndAppendValues) {
  metaObjListValContainerT<double> values(parse("V{\"old\" 1}"), 1);
  const double numbers[] = {1.5, -2, 3};
  values.setValues(numbers, 3);
  EXPECT_EQ(describe(values.node), "W:V{D:1.5 D:-2 D:3}");
  values.appendValues(numbers, 1);
  EXPECT_EQ(describe(values.node), "W:V{D:1.5 D:-2 D:3 D:1.5}");
  values.setValues(numbers, 0);
  EXPECT_EQ(values.node->firstChild, nullptr);
  values.appendValues(numbers + 2, 1);
  EXPECT_EQ(describe(values.node), "W:V{D:3}");
  EXPECT_TRUE(treeTest::linksConsistent(values.node, nullptr));
}
