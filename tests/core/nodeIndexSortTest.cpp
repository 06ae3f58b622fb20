#include "core/nodeIndexSort.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/metaTreeC.h"

namespace {

struct fixtureS {
  std::vector<metaTreeC*> owned;
  nodeArrayC nodes;
  nodeIndexArrayC index;

  explicit fixtureS(const std::vector<intptr_t>& marks) {
    for (intptr_t mark : marks) {
      metaTreeC* node = new metaTreeC;
      node->copyMark = mark;
      owned.push_back(node);
      *index.newElement() = int(nodes.elementCount);
      *nodes.newElement() = node;
    }
  }
  ~fixtureS() {
    for (metaTreeC* node : owned) delete node;
  }
  intptr_t markAt(uint32_t position) { return nodes[uint32_t(index[position])]->copyMark; }
};

}  // namespace

TEST(nodeIndexSort, SortsByMarkAsSignedNumbers) {
  fixtureS fixture({5, -3, 100, 0, -200, 7, 7, 42, -1, 3, 64, 9, 1, 2, 11});
  sortIndexByNodeNumber(fixture.index, fixture.nodes);
  for (uint32_t i = 1; i < fixture.index.elementCount; ++i) EXPECT_LE(fixture.markAt(i - 1), fixture.markAt(i));
  EXPECT_EQ(fixture.markAt(0), -200);
  EXPECT_EQ(searchIndexByNodeNumber(fixture.index, fixture.nodes, 42), 12);
  EXPECT_EQ(searchIndexByNodeNumber(fixture.index, fixture.nodes, -200), 0);
  EXPECT_EQ(searchIndexByNodeNumber(fixture.index, fixture.nodes, -500), 0);  // below every key
  EXPECT_EQ(searchIndexByNodeNumber(fixture.index, fixture.nodes, 1000), 14);
  int between = searchIndexByNodeNumber(fixture.index, fixture.nodes, 50);  // the last key below
  EXPECT_EQ(fixture.markAt(uint32_t(between)), 42);
}

TEST(nodeIndexSort, FewEntriesSortStablyByInsertion) {
  fixtureS fixture({3, 1, 3, 1, 3, 1, 2, 2, 3, 1});
  sortIndexByNodeNumber(fixture.index, fixture.nodes);
  std::vector<int> order;
  for (uint32_t i = 0; i < fixture.index.elementCount; ++i) order.push_back(fixture.index[i]);
  EXPECT_EQ(order, (std::vector<int>{1, 3, 5, 9, 6, 7, 0, 2, 4, 8}));
}

TEST(nodeIndexSort, SortsAndFindsByAddress) {
  std::vector<intptr_t> marks(100, 0);
  fixtureS fixture(marks);
  // Reverse the index so the sort has work to do.
  for (uint32_t i = 0; i < 100; ++i) fixture.index[i] = int(99 - i);
  sortIndexByPointer(fixture.index, fixture.nodes);
  for (uint32_t i = 1; i < 100; ++i)
    EXPECT_LT(reinterpret_cast<uintptr_t>(fixture.nodes[uint32_t(fixture.index[i - 1])]),
              reinterpret_cast<uintptr_t>(fixture.nodes[uint32_t(fixture.index[i])]));
  for (uint32_t i = 0; i < 100; ++i) {
    int found = searchIndexByPointer(fixture.index, fixture.nodes, fixture.owned[i]);
    ASSERT_GE(found, 0);
    EXPECT_EQ(fixture.index[uint32_t(found)], int(i));
  }
}

TEST(nodeIndexSort, EmptyIndexes) {
  fixtureS fixture({});
  sortIndexByPointer(fixture.index, fixture.nodes);
  EXPECT_EQ(searchIndexByPointer(fixture.index, fixture.nodes, nullptr), -1);
  EXPECT_EQ(searchIndexByNodeNumber(fixture.index, fixture.nodes, 0), -1);
}
