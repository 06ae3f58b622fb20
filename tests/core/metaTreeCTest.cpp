#include "core/metaTreeC.h"

#include <gtest/gtest.h>

#include <string>

#include "core/metaNodeCompareInterfaceC.h"
#include "core/metaTreeWriterC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

namespace {

metaTreeC* child(metaTreeC* node, int index) {
  metaTreeC* walk = node->firstChild;
  while (walk && index-- > 0) walk = walk->next;
  return walk;
}

// A chain of depth nodes, each the only child of the one before.
metaTreeC* deepChain(int depth) {
  metaTreeC* root = metaTreeC::newWithKeyword("D");
  metaTreeC* last = root;
  for (int i = 1; i < depth; ++i) last = metaTreeC::appendWordChild(last, "D");
  return root;
}

}  // namespace

TEST(metaTreeC, DeletingANodeDeletesItsSubtreeAndFollowingSiblings) {
  metaTreeC* root = parse("P{A{X} B{Y} C}");
  metaTreeC* b = child(root, 1);
  uint32_t before = metaTreeChangeCounter;
  delete b;  // B and C go; A's link to them is cut
  EXPECT_EQ(describe(root), "W:P{W:A{W:X}}");
  EXPECT_EQ(metaTreeChangeCounter - before, 3u);
  EXPECT_TRUE(treeTest::linksConsistent(root, nullptr));

  delete root->firstChild;  // the first child: all children go
  EXPECT_EQ(root->firstChild, nullptr);
  delete root;
}

TEST(metaTreeC, UnlinkJoinsNeighboursAndKeepsChildren) {
  metaTreeC* root = parse("P{A B{Y} C}");
  metaTreeC* b = child(root, 1);
  metaTreeC::unlink(b);
  EXPECT_EQ(describe(root), "W:P{W:A W:C}");
  EXPECT_EQ(describe(b), "W:B{W:Y}");
  EXPECT_TRUE(treeTest::linksConsistent(root, nullptr));
  EXPECT_TRUE(treeTest::linksConsistent(b, nullptr));
  delete b;
  metaTreeC* a = root->firstChild;
  metaTreeC::unlink(a);
  metaTreeC* c = root->firstChild;
  metaTreeC::unlink(c);
  EXPECT_EQ(root->firstChild, nullptr);
  delete a;
  delete c;
  delete root;
}

TEST(metaTreeC, LinkPrimitives) {
  metaTreeC* root = parse("P{A B}");
  metaTreeC* x = parse("X Y");
  metaTreeC::linkAfter(x, root->firstChild);
  EXPECT_EQ(describe(root), "W:P{W:A W:X W:Y W:B}");
  metaTreeC::linkBefore(parse("F"), root->firstChild);
  metaTreeC::linkBefore(parse("G"), root->firstChild->next->next);
  EXPECT_EQ(describe(root), "W:P{W:F W:A W:G W:X W:Y W:B}");
  metaTreeC::linkAsFirstChildren(parse("H I"), root);
  metaTreeC::appendChild(parse("Z"), root);
  metaTreeC::appendChild(parse("K"), root->firstChild);
  EXPECT_EQ(describe(root), "W:P{W:H{W:K} W:I W:F W:A W:G W:X W:Y W:B W:Z}");
  EXPECT_TRUE(treeTest::linksConsistent(root, nullptr));
  metaTreeC::appendAfterLastSibling(parse("L"), root->firstChild->next);
  EXPECT_EQ(describe(root->firstChild->firstChild), "W:K");
  EXPECT_EQ(metaTreeC::lastSibling(root->firstChild)->value.getText()->c_str(), std::string("L"));
  EXPECT_EQ(metaTreeC::firstSibling(child(root, 4)), root->firstChild);
  metaTreeC* top = parse("T U V");
  EXPECT_EQ(metaTreeC::firstSibling(top->next->next), top);
  metaTreeC* w = parse("W");
  uint32_t before = metaTreeChangeCounter;
  metaTreeC::insertAfter(w, top);
  EXPECT_EQ(metaTreeChangeCounter, before + 1);
  EXPECT_EQ(describe(top), "W:T W:W W:U W:V");
  EXPECT_TRUE(treeTest::linksConsistent(top, nullptr));
  delete top;
  delete root;
}

TEST(metaTreeC, NewChildWithKeywordPlacesByIndex) {
  metaTreeC* root = parse("P{A B}");
  metaTreeC::newChildWithKeyword(root, "I5", 5);
  metaTreeC::newChildWithKeyword(root, "M2", -2);
  metaTreeC::newChildWithKeyword(root, "Z0", 0);
  metaTreeC::newChildWithKeyword(root, "O1", 1);
  EXPECT_EQ(describe(root), "W:P{W:Z0 W:O1 W:A W:B W:I5 W:M2}");
  metaTreeC* empty = metaTreeC::newWithKeyword("E");
  metaTreeC* only = metaTreeC::newChildWithKeyword(empty, "C", 0);
  EXPECT_EQ(only->value.getPosition()[0], -1);
  metaTreeC::appendStringChild(empty, "s");
  metaTreeC::appendDoubleChild(empty, 2.5);
  metaTreeC::appendIntChild(empty, 7);
  EXPECT_EQ(describe(empty), "W:E{W:C S:\"s\" D:2.5 D:7}");
  EXPECT_TRUE(treeTest::linksConsistent(root, nullptr));
  delete empty;
  delete root;
}

TEST(metaTreeC, DeepCopyCopiesValuesMarksAndFollowingSiblings) {
  metaTreeC* root = parse("A{B{C} D} E{F} G");
  root->firstChild->copyMark = 42;
  metaTreeC* all = metaTreeC::deepCopy(root);
  EXPECT_EQ(describe(all), describe(root));
  EXPECT_EQ(all->firstChild->copyMark, 42);
  EXPECT_NE(all->firstChild, root->firstChild);
  EXPECT_TRUE(treeTest::linksConsistent(all, nullptr));
  metaTreeC* one = metaTreeC::deepCopyNode(root->next);
  EXPECT_EQ(describe(one), "W:E{W:F}");
  EXPECT_EQ(one->next, nullptr);
  // A copy of a node inside a tree is unlinked from the node's parent.
  metaTreeC* inner = metaTreeC::deepCopy(root->firstChild);
  EXPECT_EQ(inner->parent, nullptr);
  EXPECT_EQ(describe(inner), "W:B{W:C} W:D");
  EXPECT_TRUE(treeTest::linksConsistent(inner, nullptr));
  EXPECT_EQ(metaTreeC::deepCopy(nullptr), nullptr);
  delete inner;
  delete one;
  delete all;
  delete root;
}

TEST(metaTreeC, DetachAssignFromAndNodeCopies) {
  metaTreeC* root = parse("P{A{X} B}");
  metaTreeC* a = root->firstChild;
  a->copyMark = 5;
  metaTreeC plain(*a);
  EXPECT_EQ(plain.firstChild, nullptr);
  EXPECT_EQ(plain.parent, nullptr);
  EXPECT_EQ(plain.copyMark, 5);
  a->detach();
  EXPECT_EQ(describe(root), "W:P{W:B}");
  EXPECT_EQ(a->firstChild, nullptr);
  EXPECT_EQ(a->parent, nullptr);
  metaTreeC* b = root->firstChild;
  b->assignFrom(*a);  // b leaves the tree and takes a's value
  EXPECT_EQ(root->firstChild, nullptr);
  EXPECT_EQ(describe(b), "W:A");
  EXPECT_EQ(b->copyMark, 5);
  b->setValue(b->value);
  EXPECT_EQ(describe(b), "W:A");
  delete a;
  delete b;
  delete root;
}

TEST(metaTreeC, SearchesWalkInDepthOrder) {
  metaTreeC* root = parse("R{K{G{K}} K{H}}");
  metaTreeC* first = root->firstChild;
  metaNodeCompareKeyC key("K");
  EXPECT_EQ(metaTreeC::findFirst(first, key, 0), first);
  EXPECT_EQ(metaTreeC::countMatches(first, key, 0), 2u);
  EXPECT_EQ(metaTreeC::countMatches(root, key, -1), 3u);
  EXPECT_EQ(metaTreeC::countMatches(root, key, 1), 2u);
  // Depth 1 finds a grandchild inside the first child before the second child.
  metaNodeCompareKeyC g("G");
  EXPECT_EQ(metaTreeC::findFirst(first, g, 0), nullptr);
  EXPECT_EQ(metaTreeC::findFirst(first, g, 1), first->firstChild);
  metaTreeC* grand = metaTreeC::findByKeyword(first->firstChild, "K", -1);
  EXPECT_EQ(grand, first->firstChild->firstChild);
  metaNodeCompareKeyNrC secondAnyLevel("K", 1);
  EXPECT_EQ(metaTreeC::findFirst(first, secondAnyLevel, -1), first->firstChild->firstChild);
  metaNodeCompareKeyNrC secondTwoLevels("K", 1);
  EXPECT_EQ(metaTreeC::findFirst(first, secondTwoLevels, 1), first->next);
  EXPECT_EQ(metaTreeC::findNextByKeyword(first, "H", 0), nullptr);
  EXPECT_EQ(metaTreeC::findNextByKeyword(first, "H", 1), first->next->firstChild);
  EXPECT_EQ(metaTreeC::findPreviousByKeyword(first->next, "K", -1), first);
  EXPECT_EQ(metaTreeC::findPreviousByKeyword(first->next, "G", 0), nullptr);
  EXPECT_EQ(metaTreeC::findPreviousByKeyword(first->next, "G", 1), first->firstChild);
  EXPECT_EQ(metaTreeC::findNext(nullptr, key, -1), nullptr);
  EXPECT_EQ(metaTreeC::findPrevious(nullptr, key, -1), nullptr);
  // A great-grandchild with no limit.
  metaTreeC* deep = parse("A{B{C{TARGET}}}");
  EXPECT_NE(metaTreeC::findByKeyword(deep, "TARGET", -1), nullptr);
  EXPECT_EQ(metaTreeC::findByKeyword(deep, "TARGET", 2), nullptr);
  delete deep;
  delete root;
}

TEST(metaTreeC, PredicatesMatchTheirKinds) {
  metaTreeC* root = parse("A{B C A} NAME{\"box\"} SIZE{4} \"a string\" 4 LONGKEY");
  metaNodeCompareKeyNrC secondA("A", 1);
  EXPECT_EQ(metaTreeC::findFirst(root, secondA, 1), root->firstChild->next->next);
  metaNodeCompareKeyStringC name("NAME", "box");
  EXPECT_EQ(metaTreeC::findFirst(root, name, 0), root->next);
  metaNodeCompareKeyStringC otherName("NAME", "bo");
  EXPECT_EQ(metaTreeC::findFirst(root, otherName, 0), nullptr);
  metaNodeCompareKeyDoubleC size("SIZE", 4);
  EXPECT_EQ(metaTreeC::findFirst(root, size, 0), root->next->next);
  metaNodeCompareKeyContainsC contains("GKE");
  EXPECT_EQ(describe(metaTreeC::findFirst(root, contains, 0)), "W:LONGKEY");
  metaNodeCompareStringC string("a string");
  EXPECT_EQ(describe(metaTreeC::findFirst(root, string, 0)), "S:\"a string\" D:4 W:LONGKEY");
  metaNodeCompareStringContainsC stringPart("stri");
  EXPECT_EQ(metaTreeC::countMatches(root, stringPart, -1), 1u);
  metaNodeCompareDoubleC four(4);
  EXPECT_EQ(metaTreeC::countMatches(root, four, -1), 2u);
  delete root;
}

TEST(metaTreeC, ContainsTreeMatchesGreedily) {
  auto contains = [](const char* pattern, const char* candidates, uint32_t single) {
    metaTreeC* p = parse(pattern);
    metaTreeC* c = parse(candidates);
    uint32_t result = metaTreeC::containsTree(p, c, single);
    delete p;
    delete c;
    return result;
  };
  EXPECT_EQ(contains("A{B}", "A{B C}, D", 0), 1u);
  EXPECT_EQ(contains("A{B},A{B}", "A{B}", 0), 0u);
  EXPECT_EQ(contains("A{B},A{B}", "A{B}", 1), 1u);
  EXPECT_EQ(contains("A{X}", "A{B}", 0), 0u);
  EXPECT_EQ(contains("A{B{C} B{D}}", "X A{B{D} B{C} E}", 0), 1u);
  EXPECT_EQ(contains("A{\"s\" 1}", "A{1 \"s\"}", 0), 1u);
  EXPECT_EQ(contains("A{1}", "A{1.0}", 0), 1u);
  EXPECT_EQ(contains("A{\"A\"}", "A{A}", 0), 0u);
  // Greedy: the first fitting candidate is taken and never reconsidered.
  EXPECT_EQ(contains("A{B} A{B C}", "A{B C} A{B}", 0), 0u);
  EXPECT_EQ(contains("A", "", 0), 0u);
  EXPECT_EQ(metaTreeC::containsTree(nullptr, nullptr, 0), 1u);
}

TEST(metaTreeC, RenumberPositionsInPreOrder) {
  metaTreeC* root = parse("A{B{C} D} E");
  EXPECT_EQ(metaTreeC::renumberPositions(root, 10), 15);
  std::string lines;
  int levelsDown = 0;
  for (metaTreeC* node = root; node; node = nextInPreOrder(node, levelsDown, true))
    lines += std::to_string(node->value.getPosition()[0]) + ",";
  EXPECT_EQ(lines, "10,11,12,13,14,");
  delete root;
}

TEST(metaTreeC, VeryDeepTreesAreCopiedComparedWrittenAndDeletedWithoutRecursion) {
  const int depth = 300000;
  metaTreeC* root = deepChain(depth);
  metaTreeC* copy = metaTreeC::deepCopy(root);
  EXPECT_EQ(metaTreeC::containsTree(root, copy, 0), 1u);
  metaNodeCompareKeyC key("D");
  EXPECT_EQ(metaTreeC::countMatches(copy, key, -1), uint32_t(depth));
  // Nested deeper than any reader takes: refused, not written.
  metaTreeWriterC writer(128000);
  writer.writeAll(copy, 0);
  EXPECT_TRUE(writer.failed());
  EXPECT_EQ(writer.length(), 0u);
  EXPECT_EQ(metaTreeC::renumberPositions(copy, 0), depth);
  delete copy;
  delete root;
}

TEST(metaTreeC, ChangeCounterMovesOnEveryLinkChange) {
  metaTreeC* root = parse("P{A}");
  uint32_t before = metaTreeChangeCounter;
  metaTreeC::appendWordChild(root, "B");
  EXPECT_GT(metaTreeChangeCounter, before);
  before = metaTreeChangeCounter;
  metaTreeC* copy = metaTreeC::deepCopy(root);
  EXPECT_GT(metaTreeChangeCounter, before);
  before = metaTreeChangeCounter;
  metaTreeC::deleteChildren(copy);
  EXPECT_EQ(metaTreeChangeCounter, before + 2);
  before = metaTreeChangeCounter;
  metaTreeC::unlink(root->firstChild->next);  // a plain primitive: the caller counts
  EXPECT_EQ(metaTreeChangeCounter, before);
  delete copy;
  delete root;
}
