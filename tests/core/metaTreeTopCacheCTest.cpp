#include "core/metaTreeTopCacheC.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "core/metaTreeAnchorC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "tests/helpers/poolBalance.h"

namespace {

metaTreeC* walkedTop(const metaTreeC* node) {
  while (node->parent) node = node->parent;
  return const_cast<metaTreeC*>(node);
}

metaTreeC* deepChain(int depth) {
  metaTreeC* root = metaTreeC::newWithKeyword("R");
  metaTreeC* last = root;
  for (int i = 1; i < depth; ++i) last = metaTreeC::appendWordChild(last, "D");
  return root;
}

void collect(metaTreeC* top, std::vector<metaTreeC*>& nodes) {
  int levelsDown = 0;
  for (metaTreeC* node = top; node; node = nextInPreOrder(node, levelsDown, true)) nodes.push_back(node);
}

bool below(const metaTreeC* node, const metaTreeC* ancestor) {
  for (; node; node = node->parent) {
    if (node == ancestor) return true;
  }
  return false;
}

}  // namespace

// Random cuts, links, removals, new nodes (often in the blocks of freed ones) and views over
// deep chains: the top found always equals the top reached by climbing.
TEST(metaTreeTopCacheC, TheTopFoundIsTheTopClimbedToWhateverMovesAndFrees) {
  poolBalance balance;
  {
    std::mt19937 random(23);
    auto pick = [&random](size_t n) { return size_t(random() % n); };
    std::vector<metaTreeC*> roots = {deepChain(400), deepChain(300), deepChain(40), deepChain(2)};
    std::vector<std::unique_ptr<metaTreeViewC>> views;
    std::vector<metaTreeC*> live;
    auto refresh = [&] {
      live.clear();
      for (metaTreeC* root : roots) collect(root, live);
      for (auto& view : views) {
        if (view->getNode()->isOrphaned()) collect(view->getNode(), live);
      }
    };
    auto check = [&](metaTreeC* node) {
      ASSERT_EQ(metaTreeTopCacheC::topOf(node), walkedTop(node));
    };
    for (int step = 0; step < 3000; ++step) {
      refresh();
      metaTreeC* node = live[pick(live.size())];
      switch (pick(8)) {
        case 0:  // cut out with its subtree, a new top
          if (node->parent) {
            metaTreeC::unlink(node);
            roots.push_back(node);
          }
          break;
        case 1: {  // a top linked below a node of another tree
          metaTreeC* top = roots[pick(roots.size())];
          if (roots.size() < 2 || walkedTop(node) == top || below(node, top)) break;
          std::erase(roots, top);
          metaTreeC::appendChild(top, node);
          break;
        }
        case 2:  // removed with its subtree; viewed nodes inside stay as orphans
          if (node->parent) {
            metaTreeC::unlink(node);
            metaTreeC::deleteTree(node);
          }
          break;
        case 3:
          for (int i = 0; i < 3; ++i) node = metaTreeC::appendWordChild(node, "N");
          break;
        case 4:
          views.push_back(std::make_unique<metaTreeViewC>(node));
          break;
        case 5:
          if (!views.empty()) views.erase(views.begin() + long(pick(views.size())));
          break;
        default:
          break;
      }
      refresh();
      for (int i = 0; i < 20; ++i) check(live[pick(live.size())]);
      for (auto& view : views) check(view->getNode());
    }
    refresh();
    for (metaTreeC* node : live) check(node);
    views.clear();
    for (metaTreeC* root : roots) metaTreeC::deleteTree(root);
  }
  EXPECT_EQ(metaTreeTopCacheC::entryCount(), 0ul);
  balance.expectBalanced();
}

// The anchor of a node thousands of levels down is found at once, time after time.
TEST(metaTreeTopCacheC, DeepNodesFindTheirAnchorWithoutClimbing) {
  metaTreeC* root = deepChain(20000);
  metaTreeAnchorC* anchor = metaTreeAnchorC::adopt(root);
  metaTreeC* deepest = root;
  while (deepest->firstChild) deepest = deepest->firstChild;
  EXPECT_EQ(metaTreeAnchorC::find(deepest), anchor);
  EXPECT_EQ(metaTreeAnchorC::find(deepest->parent), anchor);
  // The node's chain from here up is known; a walk from a new leaf beside it takes a step.
  metaTreeC* leaf = metaTreeC::appendWordChild(deepest->parent, "LEAF");
  EXPECT_EQ(metaTreeAnchorC::find(leaf), anchor);
  EXPECT_GT(metaTreeTopCacheC::entryCount(), 0ul);
  EXPECT_LT(metaTreeTopCacheC::entryCount(), 20000ul / 8);
  anchor->releaseReference();
  EXPECT_EQ(metaTreeTopCacheC::entryCount(), 0ul);
}
