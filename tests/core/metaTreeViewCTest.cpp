#include "core/metaTreeViewC.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeC.h"
#include "memman/memManPoolC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/helpers/poolBalance.h"

using treeTest::describe;
using treeTest::parse;

namespace {

metaTreeC* child(metaTreeC* node, int index) {
  metaTreeC* walk = node->firstChild;
  while (walk && index-- > 0) walk = walk->next;
  return walk;
}

bool isLive(const metaTreeC* node) { return memDataPoolBlockSize(const_cast<metaTreeC*>(node)) != 0; }

uint32_t subtreeSize(const metaTreeC* node) {
  uint32_t size = 1;
  for (const metaTreeC* each = node->firstChild; each; each = each->next) size += subtreeSize(each);
  return size;
}

}  // namespace

// Trees of many shapes (deep combs whose levels wait with siblings, bushes, chains) with views
// on random nodes: deletion frees every node but the viewed ones met first on each path, and
// keeps each of those whole with its subtree until its view goes.
TEST(metaTreeViewC, DeletionKeepsExactlyTheFirstViewedNodeOfEachPathWithItsSubtree) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    poolBalance balance;
    uint32_t empty = memPoolOutstandingCount();
    metaTreeC* root = metaTreeC::newWithKeyword("R");
    std::vector<metaTreeC*> nodes{root};
    metaTreeC* spine = root;
    for (int i = 0; i < 2000; ++i) {
      metaTreeC* parent = round % 2 == 0 ? spine : nodes[random() % nodes.size()];
      nodes.push_back(metaTreeC::appendWordChild(parent, "N"));
      // Every other node of a comb's spine goes one level down, past the inline stack.
      if (round % 2 == 0 && random() % 2 == 0) spine = nodes.back();
    }
    // A node holds the blocks of its text too.
    uint32_t blocksPerNode = (memPoolOutstandingCount() - empty) / uint32_t(nodes.size());
    std::vector<std::unique_ptr<metaTreeViewC>> views;
    for (int v = 0; v < 6; ++v) views.push_back(std::make_unique<metaTreeViewC>(nodes[1 + random() % (nodes.size() - 1)]));
    uint32_t expectedKept = 0;
    std::vector<std::pair<metaTreeC*, uint32_t>> kept;
    for (auto& view : views) {
      metaTreeC* node = view->getNode();
      bool underAnother = false;
      for (const metaTreeC* up = node->parent; up; up = up->parent) underAnother = underAnother || up->getViewCount() > 0;
      bool counted = false;
      for (auto& entry : kept) counted = counted || entry.first == node;
      if (underAnother || counted) continue;
      kept.emplace_back(node, subtreeSize(node));
      expectedKept += kept.back().second;
    }
    uint32_t before = memPoolOutstandingCount();
    metaTreeC::deleteTree(root);
    EXPECT_EQ(before - memPoolOutstandingCount(), (nodes.size() - expectedKept) * blocksPerNode) << "round " << round;
    for (auto& [node, size] : kept) {
      EXPECT_TRUE(isLive(node) && node->isOrphaned() && !node->parent && !node->next && !node->previous);
      EXPECT_EQ(subtreeSize(node), size);
    }
    views.clear();
    balance.expectBalanced();
  }
}

TEST(metaTreeViewC, RemovalKeepsViewedNodesAsOrphansUntilTheirLastViewGoes) {
  poolBalance balance;
  {
    metaObjectVirtualDataBaseC root(parse("R{A{X} B{Z} C{Y} D E}"), 1);
    metaTreeC* a = child(root.node, 0);
    metaTreeViewC b(child(root.node, 1));
    metaTreeViewC secondB(b.getNode());
    metaTreeViewC y(child(root.node, 2)->firstChild);
    metaTreeViewC e(child(root.node, 4));

    uint32_t before = metaTreeChangeCounter;
    EXPECT_EQ(root.removeChildAt(1), 1u);
    EXPECT_GT(metaTreeChangeCounter, before);
    // B keeps its subtree and reads as before, outside every tree.
    EXPECT_TRUE(b.getNode()->isOrphaned());
    EXPECT_EQ(b.getNode()->parent, nullptr);
    EXPECT_EQ(describe(b.getNode()), "W:B{W:Z}");
    root.setChildByKeyword("C", nullptr, 0);  // C's children are replaced by nothing
    EXPECT_EQ(describe(y.getNode()), "W:Y");
    EXPECT_EQ(root.removeChild("A"), 1u);
    EXPECT_FALSE(isLive(a));
    delete child(root.node, 1);  // deleting D takes its following sibling E the same way
    EXPECT_EQ(describe(root.node), "W:R{W:C}");
    EXPECT_EQ(describe(e.getNode()), "W:E");

    b.release();
    EXPECT_TRUE(isLive(secondB.getNode()));  // one view is left
    metaTreeC* kept = secondB.getNode();
    secondB.release();
    EXPECT_FALSE(isLive(kept));
  }
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
  {
    metaTreeViewC view(a);
    metaTreeC::deleteChildren(second);
    metaObjectVirtualDataBaseC owner(a, 1);
    EXPECT_FALSE(a->isOrphaned());
    view.release();
    EXPECT_TRUE(isLive(a));
  }
  delete first;
  delete second;
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

// Counts past what the node holds itself are kept aside and come back to the node as they fall.
TEST(metaTreeViewC, ManyViewsCountExactlyAndTheLastFreesAnOrphan) {
  poolBalance balance;
  metaTreeC* root = parse("R{A{X}}");
  metaTreeC* a = root->firstChild;
  constexpr uint32_t viewCount = 600;
  std::vector<std::unique_ptr<metaTreeViewC>> views;
  for (uint32_t i = 1; i <= viewCount; ++i) {
    views.push_back(std::make_unique<metaTreeViewC>(a));
    ASSERT_EQ(a->getViewCount(), i);
  }
  metaTreeC::deleteTree(root);
  ASSERT_TRUE(a->isOrphaned());
  EXPECT_EQ(describe(a), "W:A{W:X}");
  for (uint32_t i = viewCount; i > 1; --i) {
    views.pop_back();
    ASSERT_EQ(a->getViewCount(), i - 1);
    ASSERT_TRUE(isLive(a));
  }
  // A copy starts unviewed; the view count goes with no copy.
  metaTreeC* copy = metaTreeC::deepCopyNode(a);
  EXPECT_EQ(copy->getViewCount(), 0u);
  delete copy;
  views.clear();
  EXPECT_FALSE(isLive(a));
  balance.expectBalanced();
}
