#include "core/metaObjectRefC.h"

#include <gtest/gtest.h>

#include <string>

#include "core/metaObjectCustomHooks.h"
#include "core/metaTreeC.h"
#include "tests/core/referenceTestHelpers.h"
#include "tests/core/treeTestHelpers.h"

using referenceTest::parseRaw;
using referenceTest::payloadText;
using referenceTest::storedCode;
using treeTest::describe;
using treeTest::parse;

namespace {

metaTreeC* find(const metaTreeC* chain, const char* key) { return metaTreeC::findByKeyword(chain, key, -1); }

metaTreeC* written(const metaObjectC& tree, uint32_t single) {
  return parseRaw(tree.writeToStringValue(single, 0).c_str());
}

}  // namespace

TEST(metaObjectRefC, TargetsAreStoredAsPositionsInTheWrittenTree) {
  metaObjectC tree(parse("R{A{MOREF} B{C}} S"), 1);
  metaObjectRefC reference(find(tree.node, "MOREF"), 0);
  EXPECT_EQ(reference.getTargetHandle(), 0u);  // REFTRGPTR created, nothing to read
  EXPECT_EQ(reference.getTargetNode(), nullptr);

  reference.setTargetNode(tree.node);
  EXPECT_EQ(reference.getTargetNode(), tree.node);
  metaTreeC* text = written(tree, 0);
  EXPECT_EQ(storedCode(find(text, "MOREF")), 1);  // the root
  delete text;

  metaTreeC* c = find(tree.node, "C");
  reference.setTargetNode(c);
  metaTreeC* outside = parse("C");
  text = written(tree, 0);
  // R A MOREF REFTRGPTR CODE 0 SIZE 4 DATA "..." B C: C is the 12th node.
  EXPECT_EQ(storedCode(find(text, "MOREF")), 12);
  delete text;
  reference.setTargetNode(tree.node->next);
  text = written(tree, 0);
  EXPECT_EQ(storedCode(find(text, "MOREF")), 13);  // the following top-level node S
  delete text;
  reference.setTargetNode(outside);
  EXPECT_EQ(reference.getTargetNode(), nullptr);  // not in the reference's tree
  text = written(tree, 0);
  EXPECT_EQ(storedCode(find(text, "MOREF")), 0);
  delete text;
  reference.setTargetNode(nullptr);
  text = written(tree, 0);
  EXPECT_EQ(storedCode(find(text, "MOREF")), int64_t(metaObjectRefC::noTargetCode));
  delete text;
  // The live tree keeps its handle.
  EXPECT_EQ(reference.getTargetHandle(), 0u);
  reference.setTargetNode(c);
  metaObjectC(tree.node, 0).writeToStringValue(0, 0);
  EXPECT_EQ(reference.getTargetNode(), c);
  delete outside;
}

TEST(metaObjectRefC, ReferencesSurviveWritingAndReading) {
  std::string text = "R{A{MOREF{" + payloadText(12) + "}} B{C}}";
  metaObjectC tree = metaObjectC::readFromString(text.c_str(), 1);
  metaObjectRefC reference(find(tree.node, "MOREF"), 0);
  EXPECT_EQ(reference.getTargetNode(), find(tree.node, "C"));

  metaObjectC again = metaObjectC::readFromString(tree.writeToStringValue(0, 1).c_str(), 1);
  EXPECT_EQ(metaObjectRefC(find(again.node, "MOREF"), 0).getTargetNode(), find(again.node, "C"));

  // Codes 0, beyond the node count and "no target" load as no target.
  for (uint32_t code : {0u, 12u, 0xFFFFFFFFu}) {
    std::string none = "R{MOREF{" + payloadText(code) + "}} B{C}";
    metaObjectC loaded = metaObjectC::readFromString(none.c_str(), 1);
    metaObjectRefC loadedReference(find(loaded.node, "MOREF"), 0);
    EXPECT_EQ(loadedReference.getTargetHandle(), 0u) << code;
  }
}

TEST(metaObjectRefC, PayloadsOfAnotherShapeAreWrittenInTheShapeTheirPositionsCountIn) {
  // Readable, but out of order and with an extra child: the stored code counts the text as read.
  std::string payload = payloadText(14);
  payload.replace(payload.find("CODE{0}"), 7, "");
  payload.insert(payload.size() - 1, ",CODE{0},EXTRA{1,2,3}");
  std::string text = "R{MOREF{" + payload + "},T}";
  metaObjectC tree = metaObjectC::readFromString(text.c_str(), 1);
  metaTreeC* t = find(tree.node, "T");
  EXPECT_EQ(metaObjectRefC(find(tree.node, "MOREF"), 0).getTargetNode(), t);
  // Written in its usual shape, with the position of T in that shape.
  metaTreeC* stored = written(tree, 0);
  EXPECT_EQ(storedCode(find(stored, "MOREF")), 10);
  delete stored;
  metaObjectC again = metaObjectC::readFromString(tree.writeToStringValue(0, 0).c_str(), 1);
  EXPECT_EQ(metaObjectRefC(find(again.node, "MOREF"), 0).getTargetNode(), find(again.node, "T"));
}

TEST(metaObjectRefC, ReferencesInsideReferencesAreWrittenAsPositionsToo) {
  metaObjectC tree(parse("R{MOREF{MOREF} T}"), 1);
  metaTreeC* outer = find(tree.node, "MOREF");
  metaTreeC* inner = outer->firstChild;
  metaTreeC* t = find(tree.node, "T");
  metaObjectRefC(inner, 0).setTargetNode(t);
  metaObjectRefC(outer, 0).setTargetNode(tree.node);
  metaObjectC again = metaObjectC::readFromString(tree.writeToStringValue(0, 0).c_str(), 1);
  metaTreeC* outerAgain = find(again.node, "MOREF");
  EXPECT_EQ(metaObjectRefC(outerAgain, 0).getTargetNode(), again.node);
  EXPECT_EQ(metaObjectRefC(find(outerAgain->firstChild, "MOREF"), 0).getTargetNode(), find(again.node, "T"));
}

TEST(metaObjectRefC, DeepCopiesReferToTheirOwnNodes) {
  metaObjectC tree(parse("R{A{MOREF} B{C} MOREF} S"), 1);
  metaTreeC* first = find(tree.node, "MOREF");
  metaTreeC* second = metaTreeC::lastSibling(tree.node->firstChild);
  metaObjectC outside(parse("X"), 1);
  metaObjectRefC(first, 0).setTargetNode(find(tree.node, "C"));
  metaObjectRefC(second, 0).setTargetNode(outside.node);

  metaObjectC copy;
  copy = tree;
  ASSERT_NE(copy.node, tree.node);
  metaTreeC* firstCopy = find(copy.node, "MOREF");
  metaTreeC* secondCopy = metaTreeC::lastSibling(copy.node->firstChild);
  EXPECT_EQ(metaObjectRefC(firstCopy, 0).getTargetNode(), find(copy.node, "C"));
  EXPECT_EQ(metaObjectRefC(secondCopy, 0).getTargetHandle(), 0u);  // outside the copied tree
  // The source is unchanged.
  EXPECT_EQ(metaObjectRefC(first, 0).getTargetNode(), find(tree.node, "C"));
  EXPECT_EQ(metaObjectRefC(second, 0).getTargetNode(), nullptr);

  // A copy of one node leaves a target in a following sibling out.
  metaObjectRefC(first, 0).setTargetNode(tree.node->next);
  metaTreeC* single = tree.clone(1, 1);
  EXPECT_EQ(metaObjectRefC(find(single, "MOREF"), 0).getTargetHandle(), 0u);
  delete single;

  // A plain copy of a subtree carries the copy marks of its nodes: a second node with C's mark
  // must not be taken for C's copy.
  metaObjectRefC(first, 0).setTargetNode(find(tree.node, "C"));
  delete metaObjectC(tree.node, 0).clone(0, 1);  // marks C
  for (int i = 0; i < 3; ++i)
    metaObjectC(tree.node, 0).insertChild(tree.node->firstChild, nullptr, metaTreeC::deepCopyNode(find(tree.node, "A")->next), 0);
  metaObjectC twice;
  twice = tree;
  metaTreeC* c = find(find(twice.node, "A")->next, "C");
  EXPECT_EQ(metaObjectRefC(find(twice.node, "MOREF"), 0).getTargetNode(), c);

  // A tree without references is copied plainly.
  metaObjectC plain(parse("P{Q{1}}"), 1);
  metaTreeC* plainCopy = runCopyHooks(plain.node, 0);
  EXPECT_EQ(describe(plainCopy), "W:P{W:Q{D:1}}");
  delete plainCopy;
  EXPECT_EQ(runCopyHooks(nullptr, 0), nullptr);
}
