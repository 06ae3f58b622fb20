#include "core/keyNodeField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

TEST(keyNodeField, ReadsByKindPeeksCreateNothingGetsAppendInOrderOfUse) {
  metaObjectC record(parse("R{S{\"s\"} D{2.9} W{X} E N{-3.7} H{4294967301.9} B{1e300} S{\"second\"}}"), 1);
  metaTreeC* node = record.getNode();
  const std::string stored = describe(node);
  struct caseS {
    const char* key;
    const char* text;
    int32_t integer;
    double number;
  };
  // Another kind reads empty; integers keep the low 32 bits of the truncation, 0 past 64 bits.
  const caseS cases[] = {{"S", "s", 0, 0.0},      {"D", "", 2, 2.9},     {"W", "", 0, 0.0},      {"E", "", 0, 0.0},
                         {"N", "", -3, -3.7},     {"H", "", 5, 4294967301.9}, {"B", "", 0, 1e300}, {"s", "", 0, 0.0}};
  for (const caseS& c : cases) {
    uint32_t textFound = 9, intFound = 9, doubleFound = 9;
    EXPECT_STREQ(peekStringField(node, c.key, &textFound).c_str(), c.text) << c.key;
    EXPECT_EQ(peekIntField(node, c.key, &intFound), c.integer) << c.key;
    EXPECT_EQ(peekDoubleField(node, c.key, &doubleFound), c.number) << c.key;
    EXPECT_EQ(textFound, *c.text ? 1u : 0u) << c.key;
    EXPECT_EQ(intFound, doubleFound) << c.key;
    EXPECT_STREQ(getStringField(node, c.key).c_str(), c.text) << c.key;
    EXPECT_EQ(getIntField(node, c.key), c.integer) << c.key;
    EXPECT_EQ(getDoubleField(node, c.key), c.number) << c.key;
  }
  // Only the get of "s" (keys compare byte for byte) made a node; then more, in order of use.
  EXPECT_EQ(describe(node), stored.substr(0, stored.size() - 1) + " W:s}");
  EXPECT_EQ(peekFieldNode(node, "I"), nullptr);
  getIntField(node, "I");
  getStringField(node, "T");
  EXPECT_EQ(describe(node), stored.substr(0, stored.size() - 1) + " W:s W:I W:T}");

  EXPECT_EQ(fieldNode(nullptr, "A"), nullptr);
  EXPECT_STREQ(getStringField(nullptr, "A").c_str(), "");
  EXPECT_EQ(getIntField(nullptr, "A"), 0);
}

TEST(keyNodeField, SetsInsertOverwriteTheirKindAndLeaveOtherKinds) {
  metaObjectC record(parse("R{S{\"s\"} D{1} W{X} E}"), 1);
  metaTreeC* node = record.getNode();
  setStringField(node, "S", "t");    // a string overwritten
  setStringField(node, "D", "t");    // a number stays
  setStringField(node, "W", "t");    // a word stays
  setStringField(node, "E", "t");    // an empty key node gets the value
  setIntField(node, "D", 7);         // stored as a double
  setIntField(node, "S", 7);         // a string stays
  EXPECT_EQ(setDoubleField(node, "N", 0.5), 1u);  // a missing key node appended with its value
  EXPECT_EQ(setDoubleField(node, "W", 0.5), 1u);  // accepted, but the word stays
  const char* expected = "W:R{W:S{S:\"t\"} W:D{D:7} W:W{W:X} W:E{S:\"t\"} W:N{D:0.5}}";
  EXPECT_EQ(describe(node), expected);

  // Non-finite doubles are refused before anything is made.
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_EQ(setDoubleField(node, "N", bad), 0u);
    EXPECT_EQ(setDoubleField(node, "Q", bad), 0u);
  }
  setStringField(nullptr, "A", "x");
  EXPECT_EQ(describe(node), expected);

  // The same rules on a key node the caller found, through a view of it.
  metaObjectC view(node, 0);
  metaObjectC key(view.findOrCreateChildByKeyword("K"), 0);
  key.setNodeStringValue("k");
  key.setNodeStringValue("kk");
  uint32_t found = 0;
  EXPECT_STREQ(key.getNodeStringValue(&found).c_str(), "kk");
  EXPECT_EQ(found, 1u);
  metaObjectC number(view.findOrCreateChildByKeyword("D"), 0);
  number.setNodeStringValue("x");
  EXPECT_STREQ(number.getNodeStringValue(&found).c_str(), "");
  EXPECT_EQ(found, 0u);
  metaObjectC none;
  none.setNodeStringValue("x");
  EXPECT_EQ(none.findOrCreateChildByKeyword("K"), nullptr);
  EXPECT_EQ(describe(node), "W:R{W:S{S:\"t\"} W:D{D:7} W:W{W:X} W:E{S:\"t\"} W:N{D:0.5} W:K{S:\"kk\"}}");
}
