#include "core/metaObjectVirtualDataBaseC.h"

#include <gtest/gtest.h>

#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/testFiles.h"

using treeTest::describe;
using treeTest::parse;

namespace {

std::string keyOf(const metaTreeC* node) { return node ? node->value.getText()->c_str() : "null"; }

std::string childKeys(const metaObjectVirtualDataBaseC& handle) {
  std::string keys;
  for (metaTreeC* child = handle.node->firstChild; child; child = child->next) keys += keyOf(child);
  return keys;
}

}  // namespace

TEST(metaObjectVirtualDataBaseC, AssigningAnOwningHandleCopiesAndANonOwningOneShares) {
  metaObjectVirtualDataBaseC target;
  {
    metaObjectVirtualDataBaseC source(parse("A{B} C"), 1);
    target = source;
    EXPECT_TRUE(target.ownsNode());
    EXPECT_NE(target.node, source.node);
  }
  EXPECT_EQ(describe(target.node), "W:A{W:B} W:C");

  metaObjectVirtualDataBaseC view(target.node->firstChild, 0);
  metaObjectVirtualDataBaseC shared;
  shared = view;
  EXPECT_EQ(shared.node, target.node->firstChild);
  EXPECT_FALSE(shared.ownsNode());
  shared = shared;
  EXPECT_EQ(shared.node, target.node->firstChild);
  shared = metaObjectVirtualDataBaseC();
  EXPECT_FALSE(shared.isValid());
}

TEST(metaObjectVirtualDataBaseC, CopyWithAnOwnMode) {
  metaObjectVirtualDataBaseC owner(parse("A{B}"), 1);
  owner.flags |= 4;  // bits other than owns are left alone
  metaObjectVirtualDataBaseC kept(owner, -1);
  EXPECT_TRUE(kept.ownsNode());
  EXPECT_NE(kept.node, owner.node);
  metaObjectVirtualDataBaseC owning(owner, 1);
  EXPECT_TRUE(owning.ownsNode());
  EXPECT_NE(owning.node, owner.node);
  // A non-owning copy of an owning handle is a view: a copy nobody owns would be lost.
  metaObjectVirtualDataBaseC view(owner, 0);
  EXPECT_FALSE(view.ownsNode());
  EXPECT_EQ(view.node, owner.node);
  metaObjectVirtualDataBaseC empty(metaObjectVirtualDataBaseC(), 1);
  EXPECT_FALSE(empty.isValid());
  EXPECT_FALSE(empty.ownsNode());
  owner.release();
  EXPECT_EQ(owner.flags, 4u);
}

TEST(metaObjectVirtualDataBaseC, TakingANodeOfTheOwnedTreeKeepsIt) {
  metaObjectVirtualDataBaseC owner(parse("A{B{C}} D"), 1);
  metaObjectVirtualDataBaseC view(owner.node->firstChild, 0);
  owner = view;  // the old tree goes, B survives and is now owned
  EXPECT_EQ(describe(owner.node), "W:B{W:C}");
  EXPECT_TRUE(owner.ownsNode());
  EXPECT_EQ(owner.node->parent, nullptr);

  metaObjectVirtualDataBaseC second(parse("X Y{Z}"), 1);
  second.attach(second.node->next->firstChild, 0);
  EXPECT_EQ(describe(second.node), "W:Z");
  EXPECT_TRUE(second.ownsNode());

  metaObjectVirtualDataBaseC third(parse("P Q"), 1);
  third.attach(third.node, 1);  // re-attaching its own root keeps the root, not its siblings
  EXPECT_EQ(describe(third.node), "W:P");
}

TEST(metaObjectVirtualDataBaseC, UnlinkFromParentHandsOverTheSubtree) {
  metaObjectVirtualDataBaseC root(parse("R{A{X} B}"), 1);
  {
    metaObjectVirtualDataBaseC child(root.node->firstChild, 0);
    EXPECT_EQ(child.unlinkFromParent(1), 1u);
    EXPECT_TRUE(child.ownsNode());
  }
  EXPECT_EQ(describe(root.node), "W:R{W:B}");
}

TEST(metaObjectVirtualDataBaseC, EmptyHandlesGiveEmptyResults) {
  metaObjectVirtualDataBaseC empty;
  metaObjectVirtualDataBaseC full(parse("A{B}"), 1);
  EXPECT_EQ(empty.findOrCreateChildByKeyword("A"), nullptr);
  EXPECT_EQ(empty.moveChild(0, 1), nullptr);
  EXPECT_EQ(empty.clone(0, 1), nullptr);
  EXPECT_EQ(empty.getKeyword().length(), 0);
  // contains tests neither handle: an empty pattern is in anything.
  EXPECT_EQ(empty.contains(full, 0), 1u);
  EXPECT_EQ(full.contains(empty, 0), 0u);
  EXPECT_EQ(empty.contains(empty, 0), 1u);
  str text("old");
  EXPECT_EQ(empty.writeToString(text, 0, 0), 0u);
  EXPECT_STREQ(text.c_str(), "");
  EXPECT_EQ(empty.writeToStringValue(0, 1).length(), 0);
}

TEST(metaObjectVirtualDataBaseC, FindCountAndWalk) {
  metaObjectVirtualDataBaseC root(parse("R{A B A{X{Y}} \"A\" 3}"), 1);
  EXPECT_EQ(root.childCount(), 5u);
  EXPECT_EQ(root.countChildrenWithKeyword("A"), 2u);
  EXPECT_EQ(root.findChild("A"), root.node->firstChild);
  EXPECT_EQ(root.hasChild("B"), 1u);
  EXPECT_EQ(root.hasChild("b"), 0u);
  EXPECT_EQ(root.findChildByKeywordNr(1, "A"), root.node->firstChild->next->next);
  EXPECT_EQ(root.findChildByKeywordNr(2, "A"), nullptr);
  EXPECT_EQ(root.childAt(4)->value.getDouble(), 3.0);
  EXPECT_EQ(root.childAt(5), nullptr);
  EXPECT_EQ(root.childAt(-1), nullptr);
  metaTreeC* walk = nullptr;
  root.firstChild(walk);
  int steps = 0;
  while (nextSiblingStep(walk)) ++steps;
  EXPECT_EQ(steps, 4);
  EXPECT_EQ(walk->value.getDouble(), 3.0);
  metaTreeC* none = nullptr;
  EXPECT_EQ(nextSiblingStep(none), 0u);

  metaObjectVirtualDataBaseC y(root.node->firstChild->next->next->firstChild->firstChild, 0);
  EXPECT_EQ(keyOf(y.getParent()), "X");
  EXPECT_EQ(y.findAncestorByKeyword("R"), root.node);
  EXPECT_EQ(y.findAncestorByKeyword("Y"), nullptr);
  EXPECT_EQ(y.isKeywordNode(), 1u);
  EXPECT_EQ(y.isKeyword("Y"), 1u);
  EXPECT_EQ(y.isKeyword(nullptr), 0u);
  EXPECT_STREQ(y.getKeyword().c_str(), "Y");
  metaObjectVirtualDataBaseC number(root.childAt(4), 0);
  EXPECT_EQ(number.isKeywordNode(), 0u);
  EXPECT_STREQ(number.getKeyword().c_str(), "");
}

TEST(metaObjectVirtualDataBaseC, BuildChildren) {
  metaObjectVirtualDataBaseC root(parse("R{A}"), 1);
  metaTreeC* name = root.findOrCreateChildByKeyword("NAME");
  EXPECT_EQ(keyOf(root.node->firstChild->next), "NAME");
  EXPECT_EQ(root.findOrCreateChildByKeyword("NAME"), name);

  metaTreeC* value = parse("V W");
  metaTreeC* keyed = root.appendChildWithKeyword("K", value, 1);
  EXPECT_EQ(describe(keyed), "W:K{W:V W:W}");
  EXPECT_NE(keyed->firstChild, value);
  EXPECT_EQ(root.appendChild(value, 1), value);  // the node passed, though a copy was linked
  EXPECT_EQ(childKeys(root), "ANAMEKVW");
  EXPECT_EQ(root.appendChild(value, 0), value);
  EXPECT_EQ(childKeys(root), "ANAMEKVWVW");

  metaTreeC* first = root.insertChild(root.node->firstChild, nullptr, parse("F"), 0);
  EXPECT_EQ(root.node->firstChild, first);
  root.insertChild(nullptr, first, parse("G"), 0);
  root.insertChild(nullptr, nullptr, parse("L"), 0);
  EXPECT_EQ(childKeys(root), "FGANAMEKVWVWL");
  EXPECT_TRUE(treeTest::linksConsistent(root.node, nullptr));

  metaObjectVirtualDataBaseC renamed(first, 0);
  EXPECT_EQ(renamed.setKeyword("F2"), 1u);
  EXPECT_EQ(keyOf(root.node->firstChild), "F2");
  EXPECT_EQ(root.node->firstChild->value.getPosition()[0], -1);
}

TEST(metaObjectVirtualDataBaseC, SetChildrenByKeywordAndIndex) {
  metaObjectVirtualDataBaseC root(parse("R{K{1 2} K{3} L}"), 1);
  metaTreeC* value = parse("V");
  metaTreeC* key = root.setChildByKeyword("K", value, 1);
  EXPECT_EQ(treeTest::describeOne(key), "W:K{W:V}");
  root.setChildByKeyword("NEW", nullptr, 0);
  EXPECT_EQ(describe(root.node), "W:R{W:K{W:V} W:K{D:3} W:L W:NEW}");
  root.setChildByKeywordNr(1, "K", value, 0);
  EXPECT_EQ(describe(root.node), "W:R{W:K{W:V} W:K{W:V} W:L W:NEW}");
  // With n 3 and fewer matches, exactly one key child is appended.
  root.setChildByKeywordNr(3, "K", nullptr, 0);
  EXPECT_EQ(describe(root.node), "W:R{W:K{W:V} W:K{W:V} W:L W:NEW W:K}");
  EXPECT_EQ(treeTest::describeOne(root.setChildAt(2, parse("X Y"), 0)), "W:L{W:X W:Y}");
  EXPECT_EQ(root.setChildAt(9, nullptr, 0), nullptr);
  // A value taken from the children being replaced is copied before they go.
  metaTreeC* l = root.childAt(2);
  root.setChildAt(2, l->firstChild, 1);
  EXPECT_EQ(treeTest::describeOne(l), "W:L{W:X W:Y}");
  EXPECT_TRUE(treeTest::linksConsistent(root.node, nullptr));
}

TEST(metaObjectVirtualDataBaseC, CopyContentFrom) {
  metaObjectVirtualDataBaseC root(parse("R{A{B{C}} D{E}}"), 1);
  metaObjectVirtualDataBaseC d(root.node->firstChild->next, 0);
  d.copyContentFrom(root.node->firstChild);
  EXPECT_EQ(describe(root.node), "W:R{W:A{W:B{W:C}} W:A{W:B{W:C}}}");
  // From a node below itself: the source is copied before the children go.
  metaObjectVirtualDataBaseC a(root.node->firstChild, 0);
  a.copyContentFrom(a.node->firstChild);
  EXPECT_EQ(treeTest::describeOne(a.node), "W:B{W:C}");
  a.copyContentFrom(nullptr);
  EXPECT_EQ(treeTest::describeOne(a.node), "W:B{W:C}");
}

TEST(metaObjectVirtualDataBaseC, MoveChild) {
  auto moved = [](int from, int to) {
    metaObjectVirtualDataBaseC root(parse("R{a b c}"), 1);
    uint32_t before = metaTreeChangeCounter;
    metaTreeC* node = root.moveChild(from, to);
    EXPECT_TRUE(treeTest::linksConsistent(root.node, nullptr));
    if (node && from != to) {
      EXPECT_NE(metaTreeChangeCounter, before);
    }
    return (node ? keyOf(node) : std::string("null")) + ":" + childKeys(root);
  };
  EXPECT_EQ(moved(0, 2), "a:bac");
  EXPECT_EQ(moved(2, 0), "c:cab");
  EXPECT_EQ(moved(0, -1), "a:bca");
  EXPECT_EQ(moved(0, 1), "a:abc");
  EXPECT_EQ(moved(1, 1), "b:abc");
  EXPECT_EQ(moved(3, 0), "null:abc");
  EXPECT_EQ(moved(0, 3), "null:abc");
}

TEST(metaObjectVirtualDataBaseC, RemoveChildren) {
  metaObjectVirtualDataBaseC root(parse("R{A{X} B A C A}"), 1);
  EXPECT_EQ(root.removeChild("A"), 1u);
  EXPECT_EQ(childKeys(root), "BACA");
  EXPECT_EQ(root.removeChildAt(2), 1u);
  EXPECT_EQ(childKeys(root), "BAA");
  EXPECT_EQ(root.removeChildByKeywordNr(1, "A"), 1u);
  EXPECT_EQ(childKeys(root), "BA");
  EXPECT_EQ(root.removeChild("Z"), 0u);
  EXPECT_EQ(root.removeChildAt(-1), 0u);
  EXPECT_TRUE(treeTest::linksConsistent(root.node, nullptr));
  root.clearChildren();
  EXPECT_EQ(root.node->firstChild, nullptr);
}

TEST(metaObjectVirtualDataBaseC, CloneAndContains) {
  metaObjectVirtualDataBaseC root(parse("A{B} C"), 1);
  metaObjectVirtualDataBaseC all(root.clone(0, 0), 1);
  metaObjectVirtualDataBaseC one(root.clone(1, 0), 1);
  metaObjectVirtualDataBaseC hooked(root.clone(1, 1), 1);
  EXPECT_EQ(describe(all.node), "W:A{W:B} W:C");
  EXPECT_EQ(describe(one.node), "W:A{W:B}");
  EXPECT_EQ(describe(hooked.node), "W:A{W:B}");
  EXPECT_EQ(one.contains(root, 0), 1u);
  EXPECT_EQ(all.contains(one, 0), 0u);
  EXPECT_EQ(all.contains(one, 1), 1u);
}

TEST(metaObjectVirtualDataBaseC, WritesToFilesAndStrings) {
  metaObjectVirtualDataBaseC root(parse("A{B{\"x\"}} C"), 1);
  EXPECT_STREQ(root.writeToStringValue(0, 0).c_str(), "A{B{\"x\"}}C");
  EXPECT_STREQ(root.writeToStringValue(1, 0).c_str(), "A{B{\"x\"}}");
  str text;
  EXPECT_EQ(root.writeToString(text, 1, 1), 1u);
  EXPECT_STREQ(text.c_str(), "A{\n\tB{\n\t\t\"x\"\n\t}\n}\n");

  testFiles::scratchFile file("handle.txt");
  EXPECT_EQ(root.writeToFile(file.path(), 0, 1), 1u);
  EXPECT_EQ(testFiles::readBytes(file.path()), "A{\r\n\tB{\r\n\t\t\"x\"\r\n\t}\r\n}\r\nC");
  EXPECT_EQ(root.writeToFile("/nonexistent-dir/file.txt", 0, 0), 0u);
  EXPECT_EQ(root.writeToFile(nullptr, 0, 0), 0u);

  // An empty text is written as an empty file, and reported as not written.
  metaTreeC none;
  metaObjectVirtualDataBaseC nothing(&none, 0);
  testFiles::writeBytes(file.path(), "old contents");
  EXPECT_EQ(nothing.writeToFile(file.path(), 1, 0), 0u);
  EXPECT_EQ(testFiles::readBytes(file.path()), "");
}
