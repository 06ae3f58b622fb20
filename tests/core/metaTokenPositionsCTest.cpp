#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "core/metaTokenC.h"
#include "core/metaTokenPositionsC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"

namespace {

void expectPair(const int* position, int line, int second, const char* where) {
  ASSERT_NE(position, nullptr) << where;
  EXPECT_EQ(position[0], line) << where;
  EXPECT_EQ(position[1], second) << where;
}

}  // namespace

// Every pair a token is given reads back the same through every way a token is set, copied
// or replaced, whether it is shared or kept for the token; no kept pair outlives its token.
TEST(metaTokenPositionsC, EveryPairRoundTripsAndNoneIsLeftBehind) {
  const int pairs[][2] = {{0, 0},  {5, 0},  {-1, -1}, {7, 3},  {-1, 0},           {3, -1},
                          {-5, -5}, {0, 1}, {INT_MAX, 0}, {1 << 24, 0}, {INT_MAX, INT_MIN}, {INT_MIN, 0}};
  uint32_t storedBefore = metaTokenPositionsC::storedCount();
  for (const auto& pair : pairs) {
    SCOPED_TRACE(std::to_string(pair[0]) + "/" + std::to_string(pair[1]));
    metaTokenC made(metaTokenC::kindWord, pair, str("W"));
    expectPair(made.getPosition(), pair[0], pair[1], "constructed");
    metaTokenC copy(made);
    expectPair(copy.getPosition(), pair[0], pair[1], "copied");
    metaTokenC assigned;
    assigned.setInteger(pairs[3], 1);
    assigned = made;
    expectPair(assigned.getPosition(), pair[0], pair[1], "assigned");
    // A position handed out stays put while the value is replaced in place.
    const int* kept = made.getPosition();
    made.setDouble(made.getPosition(), 2.5);
    made.setString(made.getPosition(), "S");
    EXPECT_EQ(made.getPosition(), kept);
    expectPair(kept, pair[0], pair[1], "kept in place");
    metaTokenC set;
    set.setPosition(pair[0], pair[1]);
    expectPair(set.getPosition(), pair[0], pair[1], "set");
    set.setPosition(9, 9);
    expectPair(set.getPosition(), 9, 9, "set again");
    set.setWord(nullptr, "N");
    expectPair(set.getPosition(), -1, -1, "made without a position");

    std::unique_ptr<metaTreeC> node(metaTreeC::newWithKeyword("K"));
    node->value.setPosition(pair[0], pair[1]);
    std::unique_ptr<metaTreeC> nodeCopy(metaTreeC::deepCopy(node.get()));
    expectPair(nodeCopy->value.getPosition(), pair[0], pair[1], "node copy");
  }
  EXPECT_EQ(metaTokenPositionsC::storedCount(), storedBefore);
}

TEST(metaTokenPositionsC, ReadNodesShareTheirPairsByLine) {
  metaTreeReaderC reader;
  reader.openString("A{\nB,\nC},\nD");
  std::unique_ptr<metaTreeC> tree(reader.read(1));
  ASSERT_TRUE(tree);
  uint32_t storedBefore = metaTokenPositionsC::storedCount();
  const metaTreeC* c = tree->firstChild->next;
  ASSERT_TRUE(c && c->value.isWord());
  expectPair(tree->value.getPosition(), 1, 0, "A");
  expectPair(tree->firstChild->value.getPosition(), 2, 0, "B");
  expectPair(c->value.getPosition(), 3, 0, "C");
  expectPair(tree->next->value.getPosition(), 4, 0, "D");
  EXPECT_EQ(metaTokenPositionsC::onLine(3), c->value.getPosition());
  EXPECT_EQ(metaTokenPositionsC::storedCount(), storedBefore);
  EXPECT_EQ(metaTreeC::renumberPositions(tree.get(), 100), 104);
  expectPair(tree->next->value.getPosition(), 103, 0, "renumbered");
}
