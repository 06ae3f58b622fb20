#include "core/metaTreeAnchorC.h"

#include <gtest/gtest.h>

#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "tests/core/poolBalance.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

TEST(metaTreeAnchorC, KeepsTheWholeTreeUntilItsLastHolderGoes) {
  poolBalance balance;
  auto* owner = new metaObjectVirtualDataBaseC(parse("DOC{PREFS{UNIT{\"mm\"}}} EXTRA{E}"), 1);
  metaTreeC* root = owner->node;
  metaTreeC* unit = root->firstChild->firstChild;
  metaTreeC* extra = root->next->firstChild;
  EXPECT_EQ(metaTreeAnchorC::find(unit), nullptr);

  auto* ownerView = new metaTreeViewC;
  ownerView->showHandle(*owner);
  metaTreeAnchorC* anchor = ownerView->getAnchor();
  ASSERT_NE(anchor, nullptr);
  EXPECT_TRUE(root->isAnchored());
  EXPECT_EQ(metaTreeAnchorC::find(unit), anchor);
  EXPECT_EQ(metaTreeAnchorC::find(extra), anchor);  // following siblings belong to the tree
  EXPECT_EQ(metaTreeAnchorC::adopt(root), anchor);
  EXPECT_EQ(metaTreeAnchorC::adopt(unit), nullptr);

  metaTreeViewC unitView(unit);
  EXPECT_EQ(anchor->getReferenceCount(), 3u);  // the owner's, and one per view
  delete owner;
  delete ownerView;
  EXPECT_EQ(anchor->getReferenceCount(), 1u);
  // The rest of the document is still there around the node.
  EXPECT_EQ(describe(unitView.getNode()->parent->parent), "W:DOC{W:PREFS{W:UNIT{S:\"mm\"}}} W:EXTRA{W:E}");

  unitView.release();
  balance.expectBalanced();
}

TEST(metaTreeAnchorC, AHandleThatSwapsItsTreeLeavesTheOldOneToItsHolders) {
  poolBalance balance;
  {
    metaObjectVirtualDataBaseC owner(parse("OLD{A{B}}"), 1);
    metaTreeViewC ownerView;
    ownerView.showHandle(owner);
    metaTreeViewC b(owner.node->firstChild->firstChild);

    // Sharing a node of the anchored tree keeps it in place instead of cutting it out.
    owner.attach(owner.node->firstChild, 0);
    EXPECT_FALSE(owner.ownsNode());
    EXPECT_EQ(owner.node->parent->parent, nullptr);
    ownerView.showHandle(owner);

    owner.attach(parse("NEW"), 1);
    ownerView.showHandle(owner);
    EXPECT_EQ(describe(b.getNode()->parent->parent), "W:OLD{W:A{W:B}}");
    EXPECT_NE(metaTreeAnchorC::find(b.getNode()), ownerView.getAnchor());
  }
  balance.expectBalanced();
}

TEST(metaTreeAnchorC, UnlinkingARootFreesTheSiblingsThatWouldBeLeftToNobody) {
  poolBalance balance;
  {
    metaObjectVirtualDataBaseC root(parse("R{A} S1 S2{X}"), 1);
    metaTreeViewC x(root.node->next->next->firstChild);
    EXPECT_EQ(root.unlinkFromParent(1), 1u);
    EXPECT_EQ(describe(root.node), "W:R{W:A}");
    EXPECT_TRUE(x.getNode()->isOrphaned());
  }
  {
    // A later sibling leaves alone; the chain it leaves keeps the rest.
    metaObjectVirtualDataBaseC root(parse("R S1 S2"), 1);
    metaObjectVirtualDataBaseC middle(root.node->next, 0);
    EXPECT_EQ(middle.unlinkFromParent(1), 1u);
    EXPECT_EQ(describe(root.node), "W:R W:S2");
    EXPECT_EQ(describe(middle.node), "W:S1");
  }
  balance.expectBalanced();
}
