#include "core/metaTreeAnchorC.h"

#include <gtest/gtest.h>

#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using treeTest::describe;
using treeTest::parse;

TEST(metaTreeAnchorC, KeepsTheWholeTreeUntilItsLastHolderGoes) {
  poolBalance balance;
  auto* owner = new metaObjectVirtualDataBaseC(parse("DOC{PREFS{UNIT{\"mm\"}}} EXTRA{E}"), 1);
  metaTreeC* root = owner->node;
  metaTreeC* unit = root->firstChild->firstChild;
  EXPECT_EQ(metaTreeAnchorC::find(unit), nullptr);

  auto* ownerView = new metaTreeViewC;
  ownerView->showHandle(*owner);
  metaTreeAnchorC* anchor = ownerView->getAnchor();
  ASSERT_NE(anchor, nullptr);
  EXPECT_EQ(metaTreeAnchorC::find(unit), anchor);
  EXPECT_EQ(metaTreeAnchorC::find(root->next->firstChild), anchor);  // following siblings belong to the tree
  EXPECT_EQ(metaTreeAnchorC::adopt(unit), nullptr);

  metaTreeViewC unitView(unit);
  EXPECT_EQ(anchor->getReferenceCount(), 3u);  // the owner's, and one per view
  // Owner and view go in either order; the tree stays for the last view.
  delete ownerView;
  delete owner;
  EXPECT_EQ(describe(unitView.getNode()->parent->parent), "W:DOC{W:PREFS{W:UNIT{S:\"mm\"}}} W:EXTRA{W:E}");
  unitView.release();
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

    metaObjectVirtualDataBaseC chain(parse("C S1 S2"), 1);
    metaObjectVirtualDataBaseC middle(chain.node->next, 0);
    EXPECT_EQ(middle.unlinkFromParent(1), 1u);  // a later sibling leaves the rest in place
    EXPECT_EQ(describe(chain.node), "W:C W:S2");
    EXPECT_EQ(describe(middle.node), "W:S1");
  }
  balance.expectBalanced();
}
