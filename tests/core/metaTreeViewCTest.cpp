#include "core/metaTreeViewC.h"

#include <gtest/gtest.h>

#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeC.h"
#include "memman/memManPoolC.h"
#include "tests/core/poolBalance.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::describeOne;
using treeTest::parse;

namespace {

metaTreeC* child(metaTreeC* node, int index) {
  metaTreeC* walk = node->firstChild;
  while (walk && index-- > 0) walk = walk->next;
  return walk;
}

bool isLive(const metaTreeC* node) { return memDataPoolBlockSize(const_cast<metaTreeC*>(node)) != 0; }

}  // namespace

TEST(metaTreeViewC, RemovalKeepsViewedNodesAsOrphansUntilTheirLastViewGoes) {
  poolBalance balance;
  metaTreeC* list = parse("L{A{X} B{Z} C{Y} D}");
  metaTreeC* a = child(list, 0);
  metaTreeC* b = child(list, 1);
  metaTreeC* y = child(list, 2)->firstChild;
  auto* viewB = new metaTreeViewC(b);
  auto* viewY = new metaTreeViewC(y);
  metaTreeViewC secondViewB(b);
  EXPECT_EQ(b->getViewCount(), 2u);

  uint32_t before = metaTreeChangeCounter;
  metaTreeC::deleteChildren(list);
  EXPECT_GT(metaTreeChangeCounter, before);
  EXPECT_EQ(list->firstChild, nullptr);
  EXPECT_FALSE(isLive(a));
  // B keeps its subtree and reads as before, outside every tree.
  EXPECT_TRUE(b->isOrphaned());
  EXPECT_EQ(b->parent, nullptr);
  EXPECT_EQ(b->next, nullptr);
  EXPECT_EQ(b->previous, nullptr);
  EXPECT_EQ(describe(b), "W:B{W:Z}");
  // Y's parent C went; Y alone stays.
  EXPECT_TRUE(y->isOrphaned());
  EXPECT_EQ(describe(y), "W:Y");

  delete viewB;
  EXPECT_TRUE(isLive(b));  // one view is left
  secondViewB.release();
  EXPECT_FALSE(isLive(b));
  delete viewY;
  delete list;
  balance.expectBalanced();
}

TEST(metaTreeViewC, AnOrphanLinkedIntoATreeOrOwnedIsNoLongerFreedByItsViewer) {
  poolBalance balance;
  metaTreeC* first = parse("F{A}");
  metaTreeC* second = parse("S");
  metaTreeC* a = first->firstChild;
  {
    metaTreeViewC view(a);
    metaTreeC::deleteChildren(first);
    ASSERT_TRUE(a->isOrphaned());
    metaTreeC::appendChild(a, second);
    EXPECT_FALSE(a->isOrphaned());
  }
  EXPECT_EQ(describe(second), "W:S{W:A}");

  metaTreeC* owned = second->firstChild;
  {
    metaTreeViewC view(owned);
    metaTreeC::deleteChildren(second);
    metaObjectVirtualDataBaseC owner(owned, 1);
    EXPECT_FALSE(owned->isOrphaned());
    view.release();
    EXPECT_TRUE(isLive(owned));
  }
  delete first;
  delete second;
  balance.expectBalanced();
}

TEST(metaTreeViewC, EveryWayOfRemovingNodesKeepsViewedOnes) {
  poolBalance balance;
  metaObjectVirtualDataBaseC root(parse("R{A{X} B{Y} C{Z} D}"), 1);
  metaTreeViewC x(root.node->firstChild->firstChild);
  metaTreeViewC b(child(root.node, 1));
  metaTreeViewC z(child(root.node, 2)->firstChild);
  metaTreeViewC d(child(root.node, 3));

  EXPECT_EQ(root.removeChildAt(1), 1u);
  EXPECT_TRUE(b.getNode()->isOrphaned());
  EXPECT_EQ(root.removeChild("A"), 1u);
  EXPECT_EQ(describe(x.getNode()), "W:X");
  root.setChildByKeyword("C", nullptr, 0);  // C's children are replaced by nothing
  EXPECT_EQ(describe(z.getNode()), "W:Z");
  delete root.node->firstChild;  // plain deletion goes the same way
  EXPECT_EQ(describe(root.node), "W:R");
  EXPECT_EQ(describeOne(d.getNode()), "W:D");
  root.release();
  EXPECT_EQ(describe(b.getNode()), "W:B{W:Y}");

  x.release();
  b.release();
  z.release();
  d.release();
  balance.expectBalanced();
}

TEST(metaTreeViewC, DeletingVeryWideAndDeepTreesWithViewsInsideNeedsNoRecursion) {
  poolBalance balance;
  metaTreeC* root = metaTreeC::newWithKeyword("R");
  metaTreeC* last = root;
  for (int i = 0; i < 100000; ++i) last = metaTreeC::appendWordChild(last, "D");
  for (int i = 0; i < 1000; ++i) metaTreeC::appendWordChild(root, "W");
  metaTreeViewC deep(last);
  metaTreeC::deleteTree(root);
  EXPECT_TRUE(deep.getNode()->isOrphaned());
  deep.release();
  balance.expectBalanced();
}
