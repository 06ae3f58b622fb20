// The one-step number text gives exactly what the general "%.14g" formatting gives, for every
// value it covers, and covers the numbers documents are mostly made of.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "base/decimalNumberText.h"
#include "core/shortDecimalText.h"

namespace {

std::string general(double value) {
  char text[doubleG14TextSize];
  return std::string(text, formatDoubleG14(value, text));
}

// The short text when the value is covered, else "".
std::string shortText(double value) {
  char text[doubleG14TextSize];
  std::memset(text, '#', sizeof text);
  return std::string(text, formatShortDecimal(value, text));
}

TEST(shortDecimalTextTest, agreesWithTheGeneralFormattingWhereverItWrites) {
  struct caseS {
    double value;
    const char* text;  // "" where the value is left to the general formatting
  } cases[] = {
      {1, "1"},          {-2.5, "-2.5"},         {0.5, "0.5"},       {0.0001, "0.0001"},
      {123.456, "123.456"}, {-999.999, "-999.999"}, {0.1, "0.1"},       {0.30000000000000004, ""},
      {99999999.999999, "99999999.999999"},         {1e8, ""},          {0.00009999, ""},
      {0, ""},           {-0.0, ""},             {1e-7, ""},         {0.1234567, ""},
      {std::numeric_limits<double>::quiet_NaN(), ""}, {std::numeric_limits<double>::infinity(), ""},
      {12345678.5, "12345678.5"}, {3.14159265358979, ""},
  };
  for (const caseS& c : cases) {
    EXPECT_EQ(shortText(c.value), c.text) << c.value;
    if (*c.text) {
      EXPECT_EQ(general(c.value), c.text);
    }
  }
  // Values of up to eight places across the covered range and beyond it, and arbitrary bits.
  std::mt19937_64 random(7);
  uint64_t covered = 0;
  for (int i = 0; i < 200000; ++i) {
    double value;
    if (i % 4 == 3) {
      uint64_t bits = random();
      std::memcpy(&value, &bits, sizeof value);
    } else {
      int places = int(random() % 9);
      double mantissa = double(int64_t(random() % 20000000000ull) - 10000000000ll);
      value = mantissa / std::pow(10.0, places + int(random() % 4));
    }
    std::string text = shortText(value);
    if (text.empty()) continue;
    ++covered;
    ASSERT_EQ(text, general(value)) << value;
  }
  EXPECT_GT(covered, 60000u);
}

}  // namespace
