#include "core/metaTreeWriterC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

namespace {

std::string written(const metaTreeC* node, bool pretty, bool single = false) {
  metaTreeWriterC writer(16);  // a small buffer makes every write grow it
  if (single) writer.writeSingle(node, pretty);
  else writer.writeAll(node, pretty);
  str text;
  EXPECT_EQ(writer.getText(text), writer.length());
  return std::string(text.c_str(), size_t(text.length()));
}

std::string rewritten(const char* text, bool pretty) {
  metaTreeC* root = parse(text);
  EXPECT_NE(root, nullptr) << text;
  std::string out = written(root, pretty);
  delete root;
  return out;
}

std::string doubleText(double value) {
  metaTreeC node;
  node.value.setDouble(nullptr, value);
  return written(&node, false);
}

}  // namespace

TEST(metaTreeWriterC, WritesTheDocumentExampleCompactAndPretty) {
  const char* text = "DRAWING{NAME{\"default\"},DESC{\"\"},UNITBASE{1}}";
  EXPECT_EQ(rewritten(text, false), "DRAWING{NAME{\"default\"}DESC{\"\"}UNITBASE{1}}");
  EXPECT_EQ(rewritten(text, true),
            "DRAWING{\n\tNAME{\n\t\t\"default\"\n\t}\n\tDESC{\n\t\t\"\"\n\t}\n\tUNITBASE{\n\t\t1\n\t}\n}");
}

TEST(metaTreeWriterC, LeavesOfOneLevelShareALine) {
  EXPECT_EQ(rewritten("POINT{1,2.5,-3} A{B}{C} D,E", true), "POINT{\n\t1,2.5,-3\n}\nA{\n\tC,B\n}\nD,E");
  EXPECT_EQ(rewritten("POINT{1,2.5,-3} A{B}{C} D,E", false), "POINT{1,2.5,-3}A{C,B}D,E");
  EXPECT_EQ(rewritten("A{B{C,D{E}}F}", true), "A{\n\tB{\n\t\tC,D{\n\t\t\tE\n\t\t}\n\t}\n\tF\n}");
}

TEST(metaTreeWriterC, SingleStopsAfterTheNodeButKeepsItsSeparator) {
  metaTreeC* root = parse("A B{C} D");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(written(root, false, true), "A,");
  EXPECT_EQ(written(root->next, true, true), "B{\n\tC\n}\n");
  EXPECT_EQ(written(root->next, false, true), "B{C}");
  EXPECT_EQ(written(root->next->next, true, true), "D");
  delete root;
  EXPECT_EQ(written(nullptr, true), "");
}

TEST(metaTreeWriterC, EscapesStringsAndWritesWordsUnchanged) {
  metaTreeC node;
  node.value.setString(nullptr, "t\tn\nr\rq\"b\\\xFF\xE4");
  EXPECT_EQ(written(&node, false), "\"t\\tn\\nr\\rq\\\"b\\\\\xFF\xE4\"");
  node.value.setWord(nullptr, "A-b.c");
  EXPECT_EQ(written(&node, false), "A-b.c");
}

TEST(metaTreeWriterC, DoublesHaveFourteenDigitsAndAFullStop) {
  EXPECT_EQ(doubleText(0.1), "0.1");
  EXPECT_EQ(doubleText(1.0 / 3.0), "0.33333333333333");
  EXPECT_EQ(doubleText(1e20), "1e+20");
  EXPECT_EQ(doubleText(-0.0), "-0");
  EXPECT_EQ(doubleText(12345678901234.0), "12345678901234");
  EXPECT_EQ(doubleText(-2.5e-7), "-2.5e-07");
  EXPECT_EQ(doubleText(std::numeric_limits<double>::infinity()), "1e999");
  EXPECT_EQ(doubleText(-std::numeric_limits<double>::infinity()), "-1e999");
  EXPECT_EQ(doubleText(std::nan("")), "nan");
}

TEST(metaTreeWriterC, ValuesWithoutTextWriteNothing) {
  metaTreeC* root = parse("A{B C}");
  ASSERT_NE(root, nullptr);
  root->firstChild->value.setInteger(nullptr, 5);
  root->firstChild->next->value.clear();
  EXPECT_EQ(written(root, false), "A{,}");
  delete root;
}

TEST(metaTreeWriterC, ATextBeyondTheLimitIsDroppedWhole) {
  metaTreeC* root = parse("A{B{C{D{E}}}} \"a string with\\ttabs\"");
  metaTreeWriterC roomy(4, 200);
  roomy.writeAll(root, 1);
  EXPECT_FALSE(roomy.failed());
  metaTreeWriterC tight(4, 20);
  tight.writeAll(root, 1);
  EXPECT_TRUE(tight.failed());
  EXPECT_EQ(tight.length(), 0u);
  str text("old");
  EXPECT_EQ(tight.getText(text), 0u);
  EXPECT_STREQ(text.c_str(), "");
  tight.writeSingle(root->firstChild, 0);  // a later write that fits succeeds
  EXPECT_FALSE(tight.failed());
  EXPECT_EQ(tight.length(), 10u);
  delete root;
}
