#include "core/metaObjectC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/testFiles.h"

using treeTest::describe;
using treeTest::parse;

namespace {

// The value of property key of object, read as the system reads attributes: through a
// temporary view over the key child, found or created.
metaObjectC property(metaObjectC& object, const char* key) {
  return metaObjectC(object.findOrCreateChildByKeyword(key), 0);
}

}  // namespace

TEST(metaObjectC, ReadingAMissingPropertyCreatesItLast) {
  metaObjectC drawing = metaObjectC::readFromString("DRAWING{NAME{\"default\"} UNITBASE{1}}", 1);
  uint32_t found = 7;
  EXPECT_STREQ(property(drawing, "NAME").getNodeStringValue(&found).c_str(), "default");
  EXPECT_EQ(found, 1u);
  EXPECT_STREQ(property(drawing, "DESC").getNodeStringValue(&found).c_str(), "");
  EXPECT_EQ(found, 0u);
  EXPECT_EQ(describe(drawing.node), "W:DRAWING{W:NAME{S:\"default\"} W:UNITBASE{D:1} W:DESC}");
  property(drawing, "DESC").getNodeStringValue(&found);
  EXPECT_EQ(drawing.countChildrenWithKeyword("DESC"), 1u);
  EXPECT_EQ(property(drawing, "UNITBASE").getInt(&found), 1);
  EXPECT_EQ(found, 1u);
}

TEST(metaObjectC, TypedGettersTellKindsApart) {
  metaObjectC object = metaObjectC::readFromString("O{D{2.5} S{\"s\"} W{w} E N{-2.9} P{2.9} X{\"7\"}}", 1);
  uint32_t found = 0;
  EXPECT_EQ(property(object, "D").getDouble(&found), 2.5);
  EXPECT_EQ(found, 1u);
  EXPECT_EQ(property(object, "S").getDouble(&found), 0.0);
  EXPECT_EQ(found, 0u);
  EXPECT_EQ(property(object, "E").getDouble(&found), 0.0);
  EXPECT_EQ(found, 0u);
  EXPECT_EQ(property(object, "N").getInt(&found), -2);
  EXPECT_EQ(property(object, "P").getInt(&found), 2);
  EXPECT_EQ(property(object, "X").getInt(&found), 0);
  EXPECT_EQ(found, 0u);
  EXPECT_STREQ(property(object, "W").getWord(&found).c_str(), "w");
  EXPECT_EQ(found, 1u);
  EXPECT_STREQ(property(object, "S").getWord(&found).c_str(), "");
  EXPECT_EQ(found, 0u);
  EXPECT_STREQ(property(object, "W").getNodeStringValue(&found).c_str(), "");
  EXPECT_EQ(found, 0u);
  // The node's own value, whatever its children hold.
  metaObjectC five(object.node->firstChild->firstChild, 0);
  EXPECT_EQ(five.getDoubleValue(&found), 2.5);
  EXPECT_EQ(found, 1u);
  EXPECT_EQ(object.getDoubleValue(&found), 0.0);
  EXPECT_EQ(found, 0u);
  metaObjectC empty;
  EXPECT_EQ(empty.getInt(&found), 0);
  EXPECT_EQ(found, 0u);
  EXPECT_STREQ(empty.getNodeStringValue().c_str(), "");
}

TEST(metaObjectC, IntegersTruncateWithoutUndefinedConversions) {
  metaObjectC object = metaObjectC::createWithKeyword("V", 1);
  auto intOf = [&](double value) {
    object.clearChildren();
    object.setDouble(value);
    return object.getInt();
  };
  EXPECT_EQ(intOf(-2.9), -2);
  EXPECT_EQ(intOf(2147483647.0), 2147483647);
  EXPECT_EQ(intOf(4294967298.0), 2);  // the low 32 bits
  EXPECT_EQ(intOf(-4294967297.5), -1);
  EXPECT_EQ(intOf(1e300), 0);
  EXPECT_EQ(intOf(-1e300), 0);
  EXPECT_EQ(intOf(std::nan("")), 0);
  EXPECT_EQ(intOf(INFINITY), 0);
}

TEST(metaObjectC, SettersKeepValuesOfOtherKinds) {
  metaObjectC object = metaObjectC::readFromString("O{S{\"s\"} D{1} E}", 1);
  metaObjectC s = property(object, "S");
  s.setDouble(5);
  EXPECT_EQ(describe(s.node->firstChild), "S:\"s\"");
  s.setNodeStringValue("t");
  EXPECT_EQ(describe(s.node->firstChild), "S:\"t\"");
  s.setWord("w");
  EXPECT_EQ(describe(s.node->firstChild), "W:w");
  metaObjectC d = property(object, "D");
  const int* position = d.node->firstChild->value.getPosition();
  d.setInt(7);
  EXPECT_EQ(describe(d.node->firstChild), "D:7");
  EXPECT_EQ(position[0], 1);  // overwritten in place, position kept
  d.setNodeStringValue("no");
  d.setDoubleIfPresent(8);
  EXPECT_EQ(describe(d.node->firstChild), "D:8");
  metaObjectC e = property(object, "E");
  e.setDoubleIfPresent(3);
  EXPECT_EQ(e.node->firstChild, nullptr);
  e.setNodeStringValue("new");
  EXPECT_EQ(describe(e.node->firstChild), "S:\"new\"");
  EXPECT_EQ(e.node->firstChild->value.getPosition()[0], -1);
  metaObjectC f = property(object, "F");
  f.setWord("x");
  metaObjectC g = property(object, "G");
  g.setInt(3);
  EXPECT_EQ(describe(object.node), "W:O{W:S{W:w} W:D{D:8} W:E{S:\"new\"} W:F{W:x} W:G{D:3}}");
  // A first child of kind none takes no word.
  metaTreeC::lastSibling(object.node->firstChild)->firstChild->value.clear();
  g.setWord("y");
  EXPECT_EQ(g.node->firstChild->value.getKind(), uint32_t(metaTokenC::kindNone));
}

TEST(metaObjectC, BuildIndexAndRemove) {
  metaObjectC list = metaObjectC::createWithKeyword("LIST", 1);
  EXPECT_TRUE(list.ownsNode());
  list.appendStringChild("a").appendStringChild("b");
  metaTreeC* item = list.appendChildWithKeyword("ITEM");
  list.appendChildWithKeyword("OTHER");
  metaTreeC* second = list.appendChildWithKeyword("ITEM");
  EXPECT_EQ(describe(list.node), "W:LIST{S:\"a\" S:\"b\" W:ITEM W:OTHER W:ITEM}");
  EXPECT_EQ(list.indexOfChild(second), 4);
  EXPECT_EQ(list.indexOfChild(list.node), -1);
  EXPECT_EQ(list.indexOfChildWithKeyword("ITEM", second), 1);
  EXPECT_EQ(list.indexOfChildWithKeyword("ITEM", item), 0);
  EXPECT_EQ(list.indexOfChildWithKeyword("OTHER", item), -1);
  EXPECT_EQ(list.removeChildrenWithKeyword("ITEM"), 2u);
  EXPECT_EQ(describe(list.node), "W:LIST{S:\"a\" S:\"b\" W:OTHER}");
  metaObjectC view = metaObjectC::createWithKeyword("VIEW", 0);
  EXPECT_FALSE(view.ownsNode());
  delete view.node;
}

TEST(metaObjectC, ReadsFromStringsStreamsAndFiles) {
  metaObjectC chain = metaObjectC::readFromString("A{1} B", 1);
  EXPECT_TRUE(chain.ownsNode());
  EXPECT_EQ(describe(chain.node), "W:A{D:1} W:B");
  EXPECT_FALSE(metaObjectC::readFromString("A{", 1).isValid());
  EXPECT_FALSE(metaObjectC::readFromString("", 1).isValid());
  EXPECT_FALSE(metaObjectC::readFromString(nullptr, 1).isValid());

  metaObjectC unowned = metaObjectC::readFromString("U", 0);
  EXPECT_FALSE(unowned.ownsNode());
  metaObjectC taker;
  taker.attach(unowned.node, 1);

  std::istringstream stream("S{\"from a stream\"}");
  EXPECT_EQ(describe(metaObjectC::readFromStream(stream, 1).node), "W:S{S:\"from a stream\"}");
  std::istringstream bad("S{\"x\"}}");
  EXPECT_FALSE(metaObjectC::readFromStream(bad, 1).isValid());

  testFiles::scratchFile file("object.txt");
  testFiles::writeBytes(file.path(), "F{\r\n\t\"x\"\r\n}");
  EXPECT_EQ(describe(metaObjectC::readFromFile(file.path(), 1).node), "W:F{S:\"x\"}");
  testFiles::scratchFile missing("missing.txt");
  EXPECT_FALSE(metaObjectC::readFromFile(missing.path(), 1).isValid());
  EXPECT_FALSE(metaObjectC::readFromFile(nullptr, 1).isValid());
}

TEST(metaObjectC, CopiesWithAnOwnMode) {
  metaObjectC owner(parse("A{B} C"), 1);
  metaObjectC deep(owner, -1);
  EXPECT_TRUE(deep.ownsNode());
  EXPECT_NE(deep.node, owner.node);
  EXPECT_EQ(describe(deep.node), "W:A{W:B} W:C");
  metaObjectC view(owner, 0);
  EXPECT_FALSE(view.ownsNode());
  EXPECT_EQ(view.node, owner.node);
  metaObjectC shared(view, -1);
  EXPECT_EQ(shared.node, owner.node);
  EXPECT_FALSE(shared.ownsNode());
  // Owning a node that another tree holds would free it twice: the copy owns its own node.
  metaObjectC child(owner.node->firstChild, 0);
  metaObjectC owned(child, 1);
  EXPECT_TRUE(owned.ownsNode());
  EXPECT_NE(owned.node, child.node);
  EXPECT_EQ(describe(owned.node), "W:B");
  EXPECT_EQ(owner.node->firstChild, child.node);
}

TEST(metaObjectC, TheAttributePatternCreatesMissingAttributesLast) {
  metaObjectC object(parse("O{X{1}}"), 1);
  uint32_t found = 7;
  EXPECT_STREQ(object.getStringAttribute("NAME", &found).c_str(), "");
  EXPECT_EQ(found, 0u);
  EXPECT_EQ(describe(object.node), "W:O{W:X{D:1} W:NAME}");
  metaTreeC* name = object.attributeNode("NAME");
  object.setStringAttribute("NAME", "n");
  EXPECT_EQ(object.attributeNode("NAME"), name);
  object.setIntAttribute("SIZE", 4);
  EXPECT_EQ(object.getIntAttribute("SIZE"), 4);
  EXPECT_EQ(object.getDoubleAttribute("X", &found), 1.0);
  EXPECT_EQ(found, 1u);
  object.setDoubleAttribute("X", 2.5);
  EXPECT_EQ(describe(object.node), "W:O{W:X{D:2.5} W:NAME{S:\"n\"} W:SIZE{D:4}}");
  EXPECT_FALSE(object.attribute("X").ownsNode());
  EXPECT_EQ(hasKey(name, "NAME"), 1u);
  EXPECT_EQ(hasKey(name, "X"), 0u);
  EXPECT_EQ(hasKey(nullptr, "NAME"), 0u);

  metaObjectC empty;
  EXPECT_EQ(empty.getIntAttribute("SIZE", &found), 0);
  EXPECT_EQ(found, 0u);
  empty.setStringAttribute("NAME", "n");
  EXPECT_EQ(empty.attributeNode("NAME"), nullptr);
}
