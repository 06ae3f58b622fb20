// Property test: whatever tree the writer writes reads back as an equal tree, compact and
// pretty, through a string and through a file.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/testFiles.h"

namespace {

const char wordStart[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_@";
const char wordRest[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_@0123456789-+.";

class randomTreeC {
 public:
  explicit randomTreeC(uint32_t seed) : random(seed) {}

  metaTreeC* chain(int depth) {
    int count = 1 + pick(depth == 0 ? 3 : 5);
    metaTreeC* first = nullptr;
    metaTreeC* last = nullptr;
    for (int i = 0; i < count; ++i) {
      metaTreeC* node = new metaTreeC;
      setValue(node->value);
      if (depth < 6 && pick(3) == 0) metaTreeC::linkAsFirstChildren(chain(depth + 1), node);
      if (last) metaTreeC::linkAfter(node, last);
      else first = node;
      last = node;
    }
    return first;
  }

 private:
  int pick(int n) { return int(random() % uint32_t(n)); }

  void setValue(metaTokenC& value) {
    switch (pick(5)) {
      case 0:
      case 1: {
        std::string word(1, wordStart[pick(int(sizeof wordStart) - 1)]);
        for (int i = pick(12); i > 0; --i) word += wordRest[pick(int(sizeof wordRest) - 1)];
        value.setWord(nullptr, word.c_str());
        break;
      }
      case 2: {
        // Any byte but zero, with the escaped ones and byte 255 often.
        static const char special[] = "\"\\\t\n\r\xFF{},";
        std::string text;
        for (int i = pick(20); i > 0; --i)
          text += pick(3) == 0 ? special[pick(int(sizeof special) - 1)] : char(1 + pick(255));
        value.setString(nullptr, text.c_str());
        break;
      }
      default:
        value.setDouble(nullptr, number());
        break;
    }
  }

  double number() {
    switch (pick(6)) {
      case 0:
        return double(int(random() % 2000001) - 1000000);
      case 1:
        return std::ldexp(double(random()) - 2147483648.0, pick(200) - 100);
      case 2: {
        uint64_t bits = (uint64_t(random()) << 32) | random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return std::isnan(value) ? 0.5 : value;
      }
      case 3:
        return pick(2) ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
      case 4:
        return pick(2) ? 0.0 : -0.0;
      default:
        return std::uniform_real_distribution<double>(-1e6, 1e6)(random);
    }
  }

  std::mt19937 random;
};

// A double as it reads back from its 14-digit text.
double afterFourteenDigits(double value) {
  if (std::isinf(value)) return value;
  char text[40];
  auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 14).ptr;
  *end = 0;
  return std::strtod(text, nullptr);
}

void roundDoubles(metaTreeC* chain) {
  int levelsDown = 0;
  for (metaTreeC* node = chain; node; node = nextInPreOrder(node, levelsDown, true)) {
    if (node->value.isDouble()) node->value.setDouble(nullptr, afterFourteenDigits(node->value.getDouble()));
  }
}

// Equal structure and values; -0 and 0 told apart.
bool sameSigns(const metaTreeC* a, const metaTreeC* b) {
  int levelsA = 0, levelsB = 0;
  for (; a && b; a = nextInPreOrder(a, levelsA, true), b = nextInPreOrder(b, levelsB, true)) {
    if (a->value.isDouble() && std::signbit(a->value.getDouble()) != std::signbit(b->value.getDouble())) return false;
  }
  return !a && !b;
}

}  // namespace

TEST(treeRoundTrip, WrittenTreesReadBackEqual) {
  testFiles::scratchFile file("roundtrip.txt");
  for (uint32_t seed = 1; seed <= 2000; ++seed) {
    randomTreeC generator(seed);
    metaObjectC original(generator.chain(0), 1);
    metaObjectC expected(original);
    roundDoubles(expected.node);
    std::string wanted = treeTest::describe(expected.node);
    for (uint32_t pretty = 0; pretty <= 1; ++pretty) {
      str text;
      ASSERT_EQ(original.writeToString(text, 0, pretty), 1u);
      metaObjectC fromString = metaObjectC::readFromString(text.c_str(), 1);
      ASSERT_TRUE(fromString.isValid()) << "seed " << seed << ": " << text.c_str();
      ASSERT_EQ(treeTest::describe(fromString.node), wanted) << "seed " << seed;
      ASSERT_TRUE(sameSigns(fromString.node, expected.node)) << "seed " << seed;
      ASSERT_TRUE(treeTest::linksConsistent(fromString.node, nullptr));
      ASSERT_EQ(fromString.contains(expected, 0), 1u);

      ASSERT_EQ(original.writeToFile(file.path(), 0, pretty), 1u);
      std::string disk = testFiles::readBytes(file.path());
      std::string folded = disk;
      for (size_t at; (at = folded.find("\r\n")) != std::string::npos;) folded.erase(at, 1);
      ASSERT_EQ(folded, std::string(text.c_str(), size_t(text.length()))) << "seed " << seed;
      metaObjectC fromFile = metaObjectC::readFromFile(file.path(), 1);
      ASSERT_TRUE(fromFile.isValid()) << "seed " << seed;
      ASSERT_EQ(treeTest::describe(fromFile.node), wanted) << "seed " << seed;
    }
  }
}

TEST(treeRoundTrip, PrettyFilesHoldCrLf) {
  metaObjectC tree = metaObjectC::readFromString("A{B{\"x\\ny\"}C}", 1);
  testFiles::scratchFile file("crlf.txt");
  ASSERT_EQ(tree.writeToFile(file.path(), 1, 1), 1u);
  EXPECT_EQ(testFiles::readBytes(file.path()), "A{\r\n\tB{\r\n\t\t\"x\\ny\"\r\n\t}\r\n\tC\r\n}");
}

TEST(treeRoundTrip, WhatDoesNotComeBackAsWritten) {
  // A NaN comes back as the word nan, a word that begins with a digit as a number.
  metaObjectC tree = metaObjectC::createWithKeyword("A", 1);
  metaTreeC::appendDoubleChild(tree.node, std::nan(""));
  metaTreeC::appendWordChild(tree.node, "12");
  metaObjectC back = metaObjectC::readFromString(tree.writeToStringValue(1, 0).c_str(), 1);
  EXPECT_EQ(treeTest::describe(back.node), "W:A{W:nan D:12}");
}
