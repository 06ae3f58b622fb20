// The fast number paths must give exactly what the general conversions give.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "base/decimalNumberText.h"

namespace {

std::string g14(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14g", value);
  return text;
}

std::string fast(double value) {
  char text[doubleG14TextSize];
  return std::string(text, formatDoubleG14(value, text));
}

double bitsToDouble(uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

TEST(decimalNumberTextTest, formatsAsPrintfG14) {
  const double fixed[] = {0.0, -0.0, 1, -1, 0.1, 1.0 / 3, 1e20, -1e20, 1e14, 1e14 - 1, 99999999999999.5,
                          123456789012345.0, 0.0001, 0.00012345, 0.00001, 9.99999999999995e-5, 9.999999999999949e-5,
                          1e13, 1e-300, 5e-324, std::numeric_limits<double>::max(), -std::numeric_limits<double>::min(),
                          0.30000000000000004, 2.5, 1e15, 1e21, 1e22, 1e23, 123.456, -1000000.125, 4503599627370497.0};
  for (double value : fixed) EXPECT_EQ(fast(value), g14(value)) << g14(value);
  std::mt19937_64 random(7);
  for (int i = 0; i < 200000; ++i) {
    double value = bitsToDouble(random());
    if (!std::isfinite(value)) continue;
    ASSERT_EQ(fast(value), g14(value)) << std::hexfloat << value;
  }
  // Short decimals, the tree text's usual numbers, over a wide range of magnitudes.
  for (int i = 0; i < 200000; ++i) {
    double value = double(int64_t(random() % 20000001) - 10000000) / std::pow(10.0, double(random() % 30) - 8);
    ASSERT_EQ(fast(value), g14(value)) << std::hexfloat << value;
  }
}

TEST(decimalNumberTextTest, parsesShortDecimalsExactlyAndLeavesTheRest) {
  std::mt19937_64 random(11);
  for (int i = 0; i < 200000; ++i) {
    std::string text = random() % 3 == 0 ? "-" : random() % 2 ? "" : "+";
    for (int n = int(random() % 12); n >= 0; --n) text += char('0' + random() % 10);
    if (random() % 2) {
      text += '.';
      for (int n = int(random() % 12); n > 0; --n) text += char('0' + random() % 10);
    }
    if (random() % 3 == 0) text += "e" + std::to_string(int(random() % 60) - 30);
    double value = 12345;
    if (!parseShortDecimal(text.data(), text.size(), value)) continue;
    double expected = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << text;
  }
  double untouched = 7;
  for (const char* text : {"", "-", ".", "1e", "1e+", "1x", "0x10", "inf", "nan", "1..2", "12345678901234567890",
                           "9007199254740993", "1e23", "1e-23", "1 ", " 1"}) {
    EXPECT_FALSE(parseShortDecimal(text, std::strlen(text), untouched)) << text;
  }
  EXPECT_EQ(untouched, 7);
  double value = 0;
  ASSERT_TRUE(parseShortDecimal("-0", 2, value));
  EXPECT_TRUE(std::signbit(value));
  ASSERT_TRUE(parseShortDecimal("000.5e1", 7, value));
  EXPECT_EQ(value, 5);
  ASSERT_TRUE(parseShortDecimal("0e999999", 8, value));
  EXPECT_EQ(value, 0);
}
