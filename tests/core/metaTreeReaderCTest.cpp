#include "core/metaTreeReaderC.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/metaTokenTextTableC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/helpers/poolBalance.h"
#include "tests/testFiles.h"

using treeTest::describe;
using treeTest::parse;

namespace {

// The tree of text, described, or "error: " and the reader's message.
std::string readDescribed(const std::string& text) {
  std::string error;
  metaTreeC* root = parse(text.c_str(), &error);
  if (!root) return error.empty() ? "null" : "error: " + error;
  EXPECT_TRUE(error.empty());
  EXPECT_TRUE(treeTest::linksConsistent(root, nullptr));
  std::string described = describe(root);
  delete root;
  return described;
}

}  // namespace

TEST(metaTreeReaderC, ReadsTheDocumentExample) {
  metaTreeC* root = parse("DRAWING{NAME{\"default\"},DESC{\"\"},UNITBASE{1}}");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(describe(root), "W:DRAWING{W:NAME{S:\"default\"} W:DESC{S:\"\"} W:UNITBASE{D:1}}");
  int levelsDown = 0;
  for (metaTreeC* node = root; node; node = nextInPreOrder(node, levelsDown, true)) {
    EXPECT_EQ(node->value.getPosition()[0], 1);
    EXPECT_EQ(node->value.getPosition()[1], 0);
    EXPECT_EQ(node->copyMark, 0);
  }
  delete root;
}

TEST(metaTreeReaderC, ReadsListsSeveralBlocksAndReportsErrors) {
  EXPECT_EQ(readDescribed("POINT{1,2.5,-3} A{B}{C} D,E"), "W:POINT{D:1 D:2.5 D:-3} W:A{W:C W:B} W:D W:E");
  EXPECT_EQ(readDescribed("NAME{1}}"), "error: Line:1 - section count wrong");
  EXPECT_EQ(readDescribed("{NAME}"), "error: Line:1 - section without key found");
  EXPECT_EQ(readDescribed("X{12abc}"), "error: Line:1 - value invalid :12abc");
  EXPECT_EQ(readDescribed("NAME{1"), "error: Line:1 - section count wrong");
}

TEST(metaTreeReaderC, SeparatorsAndWords) {
  EXPECT_EQ(readDescribed(""), "null");
  EXPECT_EQ(readDescribed(" ,\t\r\n,, "), "null");
  EXPECT_EQ(readDescribed("A B"), "W:A W:B");
  EXPECT_EQ(readDescribed("A,B"), "W:A W:B");
  EXPECT_EQ(readDescribed("A\nB"), "W:A W:B");
  EXPECT_EQ(readDescribed("A\"x\"{B}\"y\""), "W:A S:\"x\"{W:B} S:\"y\"");
  EXPECT_EQ(readDescribed("_a @b a-b+c.d_e@f"), "W:_a W:@b W:a-b+c.d_e@f");
  EXPECT_EQ(readDescribed("A{}"), "W:A");
  EXPECT_EQ(readDescribed("A{B}{}{C{D}}"), "W:A{W:C{W:D} W:B}");
}

TEST(metaTreeReaderC, NumbersAreDecimalOnly) {
  EXPECT_EQ(readDescribed("-5"), "D:-5");
  EXPECT_EQ(readDescribed("+5"), "D:5");
  EXPECT_EQ(readDescribed(".5"), "D:0.5");
  EXPECT_EQ(readDescribed("5."), "D:5");
  EXPECT_EQ(readDescribed("1.5e3 2E-2 -0"), "D:1500 D:0.02 D:-0");
  EXPECT_EQ(readDescribed("1e999 -1e999"), "D:inf D:-inf");
  EXPECT_EQ(readDescribed("1e-999"), "D:0");
  EXPECT_EQ(readDescribed("0.1"), "D:0.10000000000000001");
  EXPECT_EQ(readDescribed("-x"), "error: Line:1 - value invalid :-x");
  EXPECT_EQ(readDescribed("0x10"), "error: Line:1 - value invalid :0x10");
  EXPECT_EQ(readDescribed("-inf"), "error: Line:1 - value invalid :-inf");
  EXPECT_EQ(readDescribed("+nan"), "error: Line:1 - value invalid :+nan");
  EXPECT_EQ(readDescribed("1e"), "error: Line:1 - value invalid :1e");
  EXPECT_EQ(readDescribed("1.2.3"), "error: Line:1 - value invalid :1.2.3");
  EXPECT_EQ(readDescribed("."), "error: Line:1 - value invalid :.");
  EXPECT_EQ(readDescribed("--1"), "error: Line:1 - value invalid :--1");
  // Words that only look like numbers elsewhere stay words.
  EXPECT_EQ(readDescribed("inf nan e5"), "W:inf W:nan W:e5");
}

TEST(metaTreeReaderC, StringsAndEscapes) {
  EXPECT_EQ(readDescribed("\"a\\\"b\""), "S:\"a\"b\"");
  EXPECT_EQ(readDescribed("\"a\\\\\""), "S:\"a\\\"");
  EXPECT_EQ(readDescribed("\"a\\qb\""), "S:\"aqb\"");
  EXPECT_EQ(readDescribed("\"\\t\\n\\r\""), "S:\"\t\n\r\"");
  EXPECT_EQ(readDescribed("\"\""), "S:\"\"");
  EXPECT_EQ(readDescribed("\"\xE4\""), "S:\"\xE4\"");
  EXPECT_EQ(readDescribed("\xE4"), "error: Line:1 - ill seperator char");
  EXPECT_EQ(readDescribed("A\n\"unterminated"), "error: Line:2 - ill char in string");
  EXPECT_EQ(readDescribed("\"ends in escape\\"), "error: Line:1 - ill char in string");
  // Byte 255 inside a string belongs to it: the writer writes such strings.
  EXPECT_EQ(readDescribed("\"a\xFF" "b\""), "S:\"a\xFF" "b\"");
  // An LF inside a string is kept but not counted as a line.
  metaTreeC* root = parse("\"a\nb\"\nX");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(describe(root), "S:\"a\nb\" W:X");
  EXPECT_EQ(root->next->value.getPosition()[0], 2);
  delete root;
}

TEST(metaTreeReaderC, AStringEndsAtAZeroByte) {
  std::istringstream stream(std::string("\"a\0b\" C", 7));
  metaTreeReaderC reader;
  reader.openStream(stream);
  metaTreeC* root = reader.read(1);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(describe(root), "S:\"a\" W:C");
  delete root;
}

TEST(metaTreeReaderC, AnEmptyStringOnAFreshAndOnAUsedReader) {
  metaTreeReaderC reader;
  reader.openString("\"\"");
  metaTreeC* first = reader.read(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(describe(first), "S:\"\"");
  delete first;
  reader.openString("\"a long string that fills the token buffer\\n\"");
  delete reader.read(1);
  reader.openString("\"\"");
  metaTreeC* again = reader.read(1);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(describe(again), "S:\"\"");
  delete again;
}

TEST(metaTreeReaderC, ByteFFOutsideStringsEndsTheInput) {
  EXPECT_EQ(readDescribed("A\xFF"), "error: Line:1 - eof fail");
  EXPECT_EQ(readDescribed("A B\xFF" "C"), "error: Line:1 - eof fail");
  EXPECT_EQ(readDescribed("A{B\xFF}"), "error: Line:1 - section count wrong");
  EXPECT_EQ(readDescribed("\xFF"), "error: Line:1 - eof fail");
}

TEST(metaTreeReaderC, ErrorsGiveTheLineAndOnlyTheFirstError) {
  EXPECT_EQ(readDescribed("A{\nB{\n}\n}\n}\n{"), "error: Line:5 - section count wrong");
  EXPECT_EQ(readDescribed("A\n\nB ! {"), "error: Line:3 - ill seperator char");
  metaTreeReaderC reader;
  EXPECT_EQ(std::string(reader.errorText().c_str()), "Line:1 - ");
}

TEST(metaTreeReaderC, FailedReadsLeaveNoTree) {
  // Nodes made before the error at every open level are deleted (the sanitized build checks).
  uint32_t before = metaTreeChangeCounter;
  EXPECT_EQ(parse("A{B{C D{E F{G}} H \"x\"}{I} J{K L{M 12q}}}"), nullptr);
  EXPECT_NE(metaTreeChangeCounter, before);
  EXPECT_EQ(parse("A{B{C}} D{E{F{G{H}}}} X{Y{Z"), nullptr);
}

TEST(metaTreeReaderC, NestingIsLimited) {
  std::string atLimit;
  for (int i = 0; i < metaTreeReaderC::maxDepth; ++i) atLimit += "A{";
  atLimit += std::string(size_t(metaTreeReaderC::maxDepth), '}');
  metaTreeC* deep = parse(atLimit.c_str());
  ASSERT_NE(deep, nullptr);
  int depth = 0;
  for (metaTreeC* node = deep; node->firstChild; node = node->firstChild) ++depth;
  EXPECT_EQ(depth, metaTreeReaderC::maxDepth - 1);
  delete deep;

  std::string tooDeep = "A{" + atLimit + "}";
  std::string error;
  EXPECT_EQ(parse(tooDeep.c_str(), &error), nullptr);
  EXPECT_EQ(error, "Line:1 - section nesting too deep");

  std::string million;
  million.reserve(2000000);
  for (int i = 0; i < 1000000; ++i) million += "A{";
  EXPECT_EQ(parse(million.c_str(), &error), nullptr);
  EXPECT_EQ(error, "Line:1 - section nesting too deep");
  EXPECT_EQ(parse(std::string(1000000, '{').c_str(), &error), nullptr);
  EXPECT_EQ(error, "Line:1 - section without key found");
}

TEST(metaTreeReaderC, ReadsFilesAndStreams) {
  testFiles::scratchFile file("reader.txt");
  testFiles::writeBytes(file.path(), "A{\r\n\t\"x\\ny\"\r\n}\r\nB");
  metaTreeReaderC reader;
  ASSERT_EQ(reader.openFile(file.path()), 1u);
  metaTreeC* root = reader.read(1);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(describe(root), "W:A{S:\"x\ny\"} W:B");
  EXPECT_EQ(root->next->value.getPosition()[0], 4);
  delete root;

  testFiles::scratchFile missing("missing.txt");
  EXPECT_EQ(reader.openFile(missing.path()), 0u);
  EXPECT_EQ(reader.read(1), nullptr);
  EXPECT_EQ(reader.openFile("/tmp"), 0u);
  EXPECT_EQ(reader.read(1), nullptr);

  // A stream is read in chunks: tokens that cross a chunk boundary stay whole.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "WORD" + std::to_string(i) + "{\"str\\\"ing" + std::to_string(i) + "\" 12.5},";
  std::istringstream stream(text);
  ASSERT_EQ(reader.openStream(stream), 1u);
  metaTreeC* many = reader.read(1);
  ASSERT_NE(many, nullptr);
  int count = 0;
  for (metaTreeC* node = many; node; node = node->next, ++count) {
    ASSERT_EQ(std::string(node->value.getText()->c_str()), "WORD" + std::to_string(count));
    ASSERT_EQ(std::string(node->firstChild->value.getText()->c_str()), "str\"ing" + std::to_string(count));
    ASSERT_EQ(node->firstChild->next->value.getDouble(), 12.5);
  }
  EXPECT_EQ(count, 20000);
  delete many;
}

TEST(metaTreeReaderC, RawStringsKeepTheirEscapes) {
  metaTreeReaderC reader;
  reader.setRawStrings(true);
  reader.openString("\"a\\\"b\\n\"");
  metaTreeC* root = reader.read(1);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(describe(root), "S:\"a\\\"b\\n\"");
  delete root;
}

TEST(metaTreeReaderC, KeyWordsOfCallsAreTextsThatReadBackAsThatOneKeyWord) {
  struct caseS {
    std::string text;
    bool keyword;
  };
  const caseS cases[] = {
      {"NAME", true},       {"A_b.c-1+@", true}, {"_x", true},         {"@", true},          {"", false},
      {"1abc", false},      {".5", false},       {"+x", false},        {"-inf", false},      {"}", false},
      {"A{B", false},       {"x,y", false},      {"a b", false},       {"\\", false},        {"A\"", false},
      {"A\xff", false},     {"\xe4", false},     {std::string("A\0B", 3), false},             {"A\n", false},
  };
  for (const caseS& one : cases) {
    SCOPED_TRACE(one.text);
    EXPECT_EQ(metaTreeReaderC::isKeyword(one.text), one.keyword);
    // What the check lets through is exactly what comes back as one key word.
    if (!one.keyword) continue;
    metaTreeC* back = parse(one.text.c_str());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->hasKeyword(one.text));
    EXPECT_EQ(back->next, nullptr);
    delete back;
  }
}

TEST(metaTreeReaderC, LongTokensAreCopiedABoundedNumberOfTimes) {
  // A string growing in pieces of a stream's chunk size up to 16 MB: the buffer grows a few
  // dozen times and copies less than twice the final size in all.
  size_t capacity = 0;
  size_t copied = 0;
  int growths = 0;
  for (size_t length = 65536; length <= (size_t(16) << 20); length += 65536) {
    if (length + 1 <= capacity) continue;
    copied += capacity;
    capacity = metaTreeReaderC::grownTokenCapacity(capacity, length + 1);
    ++growths;
  }
  EXPECT_LT(growths, 16);
  EXPECT_LT(copied, size_t(32) << 20);
  EXPECT_EQ(metaTreeReaderC::grownTokenCapacity(0, 1), 32000u);

  // Unterminated, the string fails as a string running to the end; closed, it reads whole.
  std::string text = "\"" + std::string(size_t(16) << 20, 'a');
  std::istringstream open(text);
  metaTreeReaderC reader;
  reader.openStream(open);
  EXPECT_EQ(reader.read(1), nullptr);
  EXPECT_EQ(std::string(reader.errorText().c_str()), "Line:1 - ill char in string");
  std::istringstream closed(text + "\"");
  reader.openStream(closed);
  metaTreeC* whole = reader.read(1);
  ASSERT_NE(whole, nullptr);
  EXPECT_EQ(std::string(whole->value.getText()->c_str()).size(), size_t(16) << 20);
  delete whole;
}

TEST(metaTreeReaderC, EqualTextsOfOneReadShareOneTextUntilATokenChangesIts) {
  poolBalance balance;
  {
    metaTreeC* root = parse("A{NAME{\"x\"} NAME{\"x\"} X{NAME}} B{\"NAME\"}");
    ASSERT_NE(root, nullptr);
    metaTreeC* first = root->firstChild;
    metaTreeC* second = first->next;
    metaTreeC* inner = second->next->firstChild;
    const str* shared = first->value.getText();
    EXPECT_EQ(second->value.getText(), shared);
    EXPECT_EQ(inner->value.getText(), shared);
    EXPECT_EQ(root->next->firstChild->value.getText(), shared);  // a string of the same bytes
    EXPECT_TRUE(root->next->firstChild->value.isString());
    EXPECT_EQ(first->firstChild->value.getText(), second->firstChild->value.getText());
    EXPECT_NE(root->value.getText(), root->next->value.getText());

    // A change gives the token a text of its own; the others keep theirs, copies own theirs.
    second->value.setWord(nullptr, "RENAMED");
    EXPECT_NE(second->value.getText(), shared);
    EXPECT_STREQ(first->value.getText()->c_str(), "NAME");
    EXPECT_STREQ(inner->value.getText()->c_str(), "NAME");
    metaTokenC copy(first->value);
    EXPECT_NE(copy.getText(), shared);
    EXPECT_EQ(copy, first->value);
    metaTreeC::unlink(first);
    metaTreeC::deleteTree(first);  // the text stays with the nodes that still hold it
    EXPECT_STREQ(inner->value.getText()->c_str(), "NAME");
    EXPECT_EQ(describe(root), "W:A{W:RENAMED{S:\"x\"} W:X{W:NAME}} W:B{S:\"NAME\"}");
    delete root;
    // A failed read gives every text back too.
    EXPECT_EQ(readDescribed("A{B,B,\"B\"} }"), "error: Line:1 - section count wrong");
  }
  balance.expectBalanced();
}

TEST(metaTreeReaderC, ManyDistinctTextsReadWhenTheTableOfSharedTextsIsFull) {
  poolBalance balance;
  std::string text;
  const int count = int(metaTokenTextTableC::maxSlots / 2) + 5000;
  for (int i = 0; i < count; ++i) text += "W" + std::to_string(i) + (i % 2 ? ",\"s" : ",\"S") + std::to_string(i) + "\",";
  text += "W1,W1";
  metaTreeC* root = parse(text.c_str());
  ASSERT_NE(root, nullptr);
  int i = 0;
  const metaTreeC* node = root;
  for (; i < count && node && node->next; ++i, node = node->next->next) {
    ASSERT_EQ(std::string(node->value.getText()->c_str()), "W" + std::to_string(i));
    ASSERT_EQ(std::string(node->next->value.getText()->c_str()), (i % 2 ? "s" : "S") + std::to_string(i));
  }
  EXPECT_EQ(i, count);
  EXPECT_EQ(describe(node), "W:W1 W:W1");
  delete root;
  balance.expectBalanced();
}

TEST(metaTreeReaderC, WordsEndAtTheSameBytesWhereverTheyLie) {
  // Every byte, inside a word and near its end, ends the word or belongs to it as the format
  // says.
  for (int byte = 1; byte < 256; ++byte) {
    for (size_t at : {3, 10, 17, 30}) {
      std::string word = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefgh";
      std::string text = word;
      text[at] = char(byte);
      bool wordByte = std::isalnum(byte) || std::strchr("-+._@", byte);
      metaTreeReaderC reader;
      reader.openString(text.c_str());
      metaTreeC* root = reader.read(1);
      if (wordByte) {
        ASSERT_NE(root, nullptr) << byte << " " << at;
        EXPECT_EQ(std::string(root->value.getText()->c_str()), text) << byte << " " << at;
      } else if (root) {
        EXPECT_EQ(std::string(root->value.getText()->c_str()), word.substr(0, at)) << byte << " " << at;
      }
      delete root;
    }
  }
}

TEST(metaTreeReaderC, NumbersReadAsTheGeneralConversionReadsThem) {
  std::mt19937 random(11);
  std::vector<std::string> numbers = {"0", "-0", "+0", "7", "-7.5", "1234567", "12345678", "123456789",
                                      "0.1234567", "0.12345678", "9999999.9999999", "1.", "-.5", "00012.000",
                                      "4503599627370497", "9007199254740993", "1e5", "-2.5E-3"};
  for (int i = 0; i < 20000; ++i) {
    std::string number = random() % 3 == 0 ? "-" : random() % 5 == 0 ? "+" : "";
    for (int digits = 1 + int(random() % 10); digits > 0; --digits) number += char('0' + random() % 10);
    if (random() % 4) {
      number += '.';
      for (int digits = int(random() % 10); digits > 0; --digits) number += char('0' + random() % 10);
    }
    numbers.push_back(number);
  }
  std::string text;
  for (const std::string& number : numbers) text += number + ",";
  // Read from a string, and from a stream whose chunks end inside numbers.
  std::istringstream stream(text);
  metaTreeReaderC streamReader;
  streamReader.openStream(stream);
  metaTreeC* fromStream = streamReader.read(1);
  metaTreeC* fromString = parse(text.c_str());
  ASSERT_NE(fromString, nullptr);
  ASSERT_NE(fromStream, nullptr);
  const metaTreeC* a = fromString;
  const metaTreeC* b = fromStream;
  for (const std::string& number : numbers) {
    ASSERT_TRUE(a && b) << number;
    double expected = std::strtod(number.c_str(), nullptr);
    ASSERT_TRUE(a->value.isDouble()) << number;
    EXPECT_EQ(std::signbit(a->value.getDouble()), std::signbit(expected)) << number;
    EXPECT_EQ(a->value.getDouble(), expected) << number;
    EXPECT_EQ(b->value.getDouble(), expected) << number;
    a = a->next;
    b = b->next;
  }
  delete fromString;
  delete fromStream;
}

TEST(metaTreeReaderC, NumbersEndAtTheSameBytesWhereverTheyLie) {
  // Each number before every kind of byte that ends it, and with the end of the input at every
  // distance behind it; and followed by word bytes, which make the word no number.
  const char* const numbers[] = {"0", "-0", "+7", "12", "-123.456", "999.999", "1234567", "-0.000001",
                                 "12.5", "1.", ".5", "-.5", "1234.5678", "12345678", "1.5e3"};
  const char* const ends[] = {"}", ",", " ", "\n", "\t", "\r", "\"s\""};
  for (const char* number : numbers) {
    double expected = std::strtod(number, nullptr);
    for (const char* end : ends) {
      for (size_t padding = 0; padding < 12; ++padding) {
        std::string text = "X{" + std::string(number) + end + std::string(padding, ' ') + (end[0] == '}' ? "" : "}");
        metaTreeC* root = parse(text.c_str());
        ASSERT_NE(root, nullptr) << text;
        ASSERT_TRUE(root->firstChild && root->firstChild->value.isDouble()) << text;
        EXPECT_EQ(std::signbit(root->firstChild->value.getDouble()), std::signbit(expected)) << text;
        EXPECT_EQ(root->firstChild->value.getDouble(), expected) << text;
        delete root;
      }
    }
    for (const char* tail : {"x", "-", ".", "5.", "e", "_", "@", "+1", ".0.0"}) {
      std::string word = std::string(number) + tail;
      std::string text = "X{" + word + "}" + std::string(12, ' ');
      // A point or a digit and a point after a number without them leave a number.
      if (std::strchr(tail, '.') && std::strlen(tail) <= 2 && !std::strpbrk(number, ".e")) continue;
      EXPECT_EQ(readDescribed(text), "error: Line:1 - value invalid :" + word) << text;
    }
  }
  EXPECT_EQ(readDescribed("X{1{2}}"), "W:X{D:1{D:2}}");
  EXPECT_EQ(readDescribed("A\nB\n-12.5\nC{1.25}"), "W:A W:B D:-12.5 W:C{D:1.25}");
  metaTreeC* root = parse("A\nB\n-12.5 7\nC{1.25}");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->next->next->value.getPosition()[0], 3);
  EXPECT_EQ(root->next->next->next->value.getPosition()[0], 3);
  EXPECT_EQ(root->next->next->next->next->firstChild->value.getPosition()[0], 4);
  delete root;
}
