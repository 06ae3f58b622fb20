#include "core/metaTreeNodeIndexC.h"

#include <gtest/gtest.h>

#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::parse;

TEST(metaTreeNodeIndexC, PositionsAreOneBasedPreOrderOverTheChain) {
  metaTreeC* root = parse("A{B{C} D} E{F}");
  metaTreeC* outside = parse("X");
  metaTreeNodeIndexC index;
  EXPECT_EQ(index.nodeAt(1, 0), nullptr);  // no root yet
  index.setRoot(root);
  EXPECT_EQ(index.nodeAt(1, 0), root);
  EXPECT_EQ(index.nodeAt(0, 0), nullptr);
  EXPECT_EQ(index.nodeAt(7, 0), nullptr);
  int position = 0;
  int levelsDown = 0;
  for (metaTreeC* node = root; node; node = nextInPreOrder(node, levelsDown, true)) {
    ++position;
    EXPECT_EQ(index.nodeAt(uint32_t(position), 0), node);
    EXPECT_EQ(index.indexOf(node, 0), uint32_t(position));
  }
  EXPECT_EQ(position, 6);
  EXPECT_EQ(index.indexOf(outside, 0), 0u);
  EXPECT_EQ(index.indexOf(nullptr, 0), 0u);
  index.setRoot(outside);
  EXPECT_EQ(index.nodeAt(1, 0), outside);
  EXPECT_EQ(index.nodeAt(2, 0), nullptr);
  index.setRoot(nullptr);
  EXPECT_EQ(index.findByMark(1, 1), nullptr);
  delete outside;
  delete root;
}

TEST(metaTreeNodeIndexC, BuiltOncePerRootUnlessForced) {
  metaTreeC* root = parse("A{B}");
  metaTreeNodeIndexC index;
  index.setRoot(root);
  EXPECT_EQ(index.nodeAt(3, 0), nullptr);
  metaTreeC* added = metaTreeC::appendWordChild(root, "C");
  EXPECT_EQ(index.nodeAt(3, 0), nullptr);  // still the index of the first build
  EXPECT_EQ(index.nodeAt(3, 1), added);
  index.setRoot(root);
  EXPECT_EQ(index.indexOf(added, 0), 3u);
  delete root;
}

TEST(metaTreeNodeIndexC, FindsNodesByMark) {
  metaTreeC* root = parse("A{B C D} E");
  root->firstChild->copyMark = -7;
  root->firstChild->next->next->copyMark = 1234;
  root->next->copyMark = 99;
  metaTreeNodeIndexC& index = metaTreeNodeIndexC::instance();
  index.setRoot(root);
  EXPECT_EQ(index.findByMark(-7, 0), root->firstChild);
  EXPECT_EQ(index.findByMark(1234, 0), root->firstChild->next->next);
  EXPECT_EQ(index.findByMark(99, 0), root->next);
  EXPECT_EQ(index.findByMark(5, 0), nullptr);
  EXPECT_EQ(index.findByMark(0, 0), nullptr);  // unmarked nodes are not indexed by mark
  index.setRoot(nullptr);
  delete root;
}
