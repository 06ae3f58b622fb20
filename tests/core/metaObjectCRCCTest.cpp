#include "core/metaObjectCRCC.h"

#include <gtest/gtest.h>

#include "base/crc32.h"
#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeWriterC.h"
#include "tests/core/referenceTestHelpers.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

TEST(metaObjectCRCC, TheChecksumCoversWordsAndStringsButNotNumbers) {
  EXPECT_EQ(crc32::of("123456789", 9), 0xCBF43926u);
  EXPECT_EQ(crc32::update(crc32::of("1234", 4), "56789", 5), 0xCBF43926u);
  EXPECT_EQ(crc32::of("", 0), 0u);

  metaTreeC* tree = parse("ABC{\"x\"}");
  EXPECT_EQ(metaObjectCRCC::computeTreeCrc(tree), 0xD71BA404u);  // ABC"x"
  metaTreeC* numbers = parse("ABC{\"x\" 1 2.5}");
  metaTreeC* otherNumbers = parse("ABC{\"x\" 7 -3}");
  EXPECT_EQ(metaObjectCRCC::computeTreeCrc(numbers), metaObjectCRCC::computeTreeCrc(otherNumbers));
  EXPECT_NE(metaObjectCRCC::computeTreeCrc(numbers), metaObjectCRCC::computeTreeCrc(tree));  // each number writes VAL
  metaTreeC* otherWord = parse("ABD{\"x\"}");
  metaTreeC* otherString = parse("ABC{\"y\"}");
  EXPECT_NE(metaObjectCRCC::computeTreeCrc(otherWord), 0xD71BA404u);
  EXPECT_NE(metaObjectCRCC::computeTreeCrc(otherString), 0xD71BA404u);
  // Escaped as the tree text escapes, and with the following siblings; custom-storage nodes are left out.
  metaTreeC* escaped = parse("A{\"q\\\"t\"} B{MOREF{X} MOCRC{Y}}");
  std::string canonical = "A\"q\\\"t\"B";
  EXPECT_EQ(metaObjectCRCC::computeTreeCrc(escaped), crc32::of(canonical.data(), canonical.size()));
  for (metaTreeC* node : {tree, numbers, otherNumbers, otherWord, otherString, escaped}) delete node;
}

TEST(metaObjectCRCC, LongWordsAndStringsChecksumAsTheirWholeText) {
  // Beyond the block the text is checksummed in, escapes falling on its edges.
  std::string word(5000, 'W');
  std::string string;
  for (int i = 0; i < 3000; ++i) string += i % 3 ? R"(a\t)" : R"(\\\")";
  metaTreeC* tree = parse(("A{" + word + "{\"" + string + "\"} " + word + "}").c_str());
  ASSERT_NE(tree, nullptr);
  std::string canonical = "A" + word + "\"" + string + "\"" + word;
  EXPECT_EQ(metaObjectCRCC::computeTreeCrc(tree), crc32::of(canonical.data(), canonical.size()));
  delete tree;
}

TEST(metaObjectCRCC, WritingRefreshesTheRecordInTheTextAndTheTree) {
  metaObjectC drawing(parse("DRAWING{NAME{\"default\"},DESC{\"\"},UNITBASE{1},MOCRC}"), 1);
  // DRAWINGNAME"default"DESC""UNITBASEVAL has CRC 0xC292AB78.
  const char* expected = "DRAWING{NAME{\"default\"}DESC{\"\"}UNITBASE{1}MOCRC{CRCTYPE{0}CRCVALUE{-1030575240}}}";
  EXPECT_STREQ(drawing.writeToStringValue(0, 0).c_str(), expected);
  EXPECT_STREQ(drawing.writeToStringValue(0, 0).c_str(), expected);  // stable once written
  metaObjectCRCC record(metaTreeC::findByKeyword(drawing.node, "MOCRC", -1), 0);
  EXPECT_EQ(describe(record.node), "W:MOCRC{W:CRCTYPE{D:0} W:CRCVALUE{D:-1030575240}}");
  EXPECT_EQ(record.verifyChecksum(), 1u);

  metaObjectC(drawing.findChild("UNITBASE"), 0).setDouble(25.4);
  EXPECT_EQ(record.verifyChecksum(), 1u);  // numbers do not count
  metaObjectC(drawing.findChild("NAME"), 0).setNodeStringValue("other");
  EXPECT_EQ(record.verifyChecksum(), 0u);
  drawing.writeToStringValue(1, 1);
  EXPECT_EQ(record.getIntAttribute("CRCVALUE"), -78179832);
  EXPECT_EQ(record.verifyChecksum(), 1u);
}

TEST(metaObjectCRCC, TheRecordCoversItsReferenceTargetOrElseItsParent) {
  metaObjectC tree(parse("ROOT{PART{NAME{\"p\"}} CHECK{MOCRC{MOREF}}}"), 1);
  metaTreeC* part = tree.findChild("PART");
  metaObjectCRCC record(metaTreeC::findByKeyword(tree.node, "MOCRC", -1), 0);
  metaObjectRefC(record.findChild("MOREF"), 0).setTargetNode(part);
  EXPECT_EQ(record.prepareSave(tree.node), 1u);
  EXPECT_EQ(record.getIntAttribute("CRCVALUE"), int32_t(metaObjectCRCC::computeTreeCrc(part)));
  // Written and read back, the reference and the checksum still match.
  metaObjectC again = metaObjectC::readFromString(tree.writeToStringValue(0, 0).c_str(), 1);
  metaObjectCRCC recordAgain(metaTreeC::findByKeyword(again.node, "MOCRC", -1), 0);
  EXPECT_EQ(recordAgain.verifyChecksum(), 1u);
  EXPECT_EQ(metaObjectRefC(recordAgain.findChild("MOREF"), 0).getTargetNode(), again.findChild("PART"));

  // A reference without a target: the parent CHECK and its following siblings.
  metaObjectRefC(record.findChild("MOREF"), 0).setTargetNode(nullptr);
  record.prepareSave(tree.node);
  EXPECT_EQ(record.getIntAttribute("CRCVALUE"), int32_t(metaObjectCRCC::computeTreeCrc(tree.findChild("CHECK"))));

  // Without a node or a parent there is nothing to cover.
  metaObjectCRCC empty;
  EXPECT_EQ(empty.prepareSave(nullptr), 0u);
  metaObjectCRCC alone(metaTreeC::newWithKeyword("MOCRC"), 1);
  EXPECT_EQ(alone.prepareSave(alone.node), 0u);
  EXPECT_EQ(alone.verifyChecksum(), 0u);
  EXPECT_EQ(alone.node->firstChild, nullptr);
}

TEST(metaObjectCRCC, DocumentsWithRecordsOutsideReferencesKeepTheirWrittenBytes) {
  using referenceTest::payloadText;
  struct caseS {
    std::string text;
    std::string saved;
  };
  const caseS cases[] = {
      {R"(DRAWING{NAME{"default"},DESC{""},UNITBASE{1},MOCRC})",
       R"(DRAWING{NAME{"default"}DESC{""}UNITBASE{1}MOCRC{CRCTYPE{0}CRCVALUE{-1030575240}}})"},
      // A record over its reference's target, the part.
      {"ROOT{PART{NAME{\"p\"}} CHECK{MOCRC{MOREF{" + payloadText(2) + "}}}}",
       "ROOT{PART{NAME{\"p\"}}CHECK{MOCRC{MOREF{" + payloadText(2) + "}CRCTYPE{0}CRCVALUE{2043056489}}}}"},
      // A target-less reference (its parent's tree) and a target with a reference below it.
      {"ROOT{PART{NAME{\"p\",MOREF{" + payloadText(1) + "}}} CHECK{MOCRC{MOREF{" + payloadText(0xFFFFFFFF) +
           "}},\"c\"} MOCRC{MOREF{" + payloadText(3) + "},CRCTYPE{0},CRCVALUE{5}}}",
       "ROOT{PART{NAME{\"p\",MOREF{" + payloadText(1) + "}}}CHECK{MOCRC{MOREF{" + payloadText(0xFFFFFFFF) +
           "}CRCTYPE{0}CRCVALUE{427731981}}\"c\"}MOCRC{MOREF{" + payloadText(3) +
           "}CRCTYPE{0}CRCVALUE{-2140956936}}}"},
      // The parent's following siblings count; several records, one below another's parent.
      {R"(A{MOCRC,"a",2.5} B{"b",C{D}})", R"(A{MOCRC{CRCTYPE{0}CRCVALUE{-539896042}}"a",2.5}B{"b",C{D}})"},
      {R"(R{X{"s",MOCRC,Y{MOCRC}},"t"} S{MOCRC{CRCTYPE{0}CRCVALUE{1}}})",
       R"(R{X{"s",MOCRC{CRCTYPE{0}CRCVALUE{-1635044588}}Y{MOCRC{CRCTYPE{0}CRCVALUE{-1061878051}}}}"t"})"
       R"(S{MOCRC{CRCTYPE{0}CRCVALUE{543223747}}})"},
  };
  for (const caseS& c : cases) {
    SCOPED_TRACE(c.text);
    metaObjectC document = metaObjectC::readFromString(c.text.c_str(), 1);
    EXPECT_EQ(document.writeToStringValue(0, 0).c_str(), c.saved);
    EXPECT_EQ(metaObjectC::readFromString(c.saved.c_str(), 1).writeToStringValue(0, 0).c_str(), c.saved);
  }

  // A figure written alone: its record still covers the figures after it, which stay unwritten.
  metaObjectC drawing = metaObjectC::readFromString(R"(DRAWING{FIGURE{NAME{"a"},MOCRC},FIGURE{NAME{"b"}}})", 1);
  metaObjectC figure(drawing.findChild("FIGURE"), 0);
  EXPECT_STREQ(figure.writeToStringValue(1, 0).c_str(), R"(FIGURE{NAME{"a"}MOCRC{CRCTYPE{0}CRCVALUE{-2088289278}}})");
  EXPECT_STREQ(figure.writeToStringValue(0, 0).c_str(),
               R"(FIGURE{NAME{"a"}MOCRC{CRCTYPE{0}CRCVALUE{-2088289278}}}FIGURE{NAME{"b"}})");
}

TEST(metaObjectCRCC, ARecordCoveringATreeInsideAReferenceOrRecordChecksumsItAsWritten) {
  using referenceTest::payloadText;
  struct caseS {
    std::string text;
    std::string covered;  // the canonical text of the record's tree as written
  };
  const caseS cases[] = {
      // The reference's payload is added after the record's own save step, behind its tree.
      {R"(MOREF{X{"s",MOCRC},"t"})", R"(X"s""t"REFTRGPTRCODEVALSIZEVALDATA";;;;;M")"},
      // A target in memory is a handle of this process; written, its position.
      {"R{MOREF{X{MOCRC}," + payloadText(1) + "}}", R"(XREFTRGPTRCODEVALSIZEVALDATA"0g0000")"},
      // A record outside the reference whose target lies inside it.
      {"R{MOREF{X{\"x\"}} MOCRC{MOREF{" + payloadText(3) + "}}}", R"(X"x"REFTRGPTRCODEVALSIZEVALDATA";;;;;M")"},
      // The enclosing record's values are added after the inner record's step.
      {"R{MOCRC{X{MOCRC}}}", "XCRCTYPEVALCRCVALUEVAL"},
  };
  for (const caseS& c : cases) {
    SCOPED_TRACE(c.text);
    metaObjectC document = metaObjectC::readFromString(c.text.c_str(), 1);
    std::string saved = document.writeToStringValue(0, 0).c_str();
    std::string value = "CRCVALUE{" + std::to_string(int32_t(crc32::of(c.covered.data(), c.covered.size()))) + "}";
    EXPECT_NE(saved.find(value), std::string::npos) << saved;
    // The tree in memory holds the value written, and a reload saves the same bytes.
    metaTreeWriterC plain(4096);
    plain.writeAll(document.node, 0);
    EXPECT_NE(std::string(plain.data(), plain.length()).find(value), std::string::npos);
    EXPECT_EQ(metaObjectC::readFromString(saved.c_str(), 1).writeToStringValue(0, 0).c_str(), saved);
  }

  // Written alone, a reference with a record inside: its payload as written alone, where its
  // target R lies outside (position 0).
  metaObjectC document = metaObjectC::readFromString(("R{MOREF{X{MOCRC}," + payloadText(1) + "}} Y").c_str(), 1);
  std::string alone = metaObjectC(document.findChild("MOREF"), 0).writeToStringValue(1, 0).c_str();
  std::string covered = R"(XREFTRGPTRCODEVALSIZEVALDATA"000000")";
  EXPECT_NE(alone.find(std::to_string(int32_t(crc32::of(covered.data(), covered.size())))), std::string::npos) << alone;
}
