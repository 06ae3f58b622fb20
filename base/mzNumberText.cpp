#include "base/mzNumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The shape of a decimal number, and roughly the power of ten of its leading digit,
// which tells an overflow from an underflow when the value does not fit a double.
struct decimalShapeS {
  const char* end = nullptr;
  long magnitude = 0;
  bool hasNonZeroDigit = false;
};

bool scanDecimal(const char* p, decimalShapeS& shape) {
  if (*p == '+' || *p == '-') ++p;
  long integerDigits = 0;
  long leadingFractionZeros = 0;
  bool anyDigit = false;
  bool leading = true;
  for (; isDigit(*p); ++p) {
    anyDigit = true;
    if (*p != '0') leading = false;
    if (!leading) ++integerDigits;
  }
  if (*p == '.') {
    ++p;
    for (; isDigit(*p); ++p) {
      anyDigit = true;
      if (*p != '0') leading = false;
      if (leading) ++leadingFractionZeros;
    }
  }
  if (!anyDigit) return false;
  shape.hasNonZeroDigit = !leading;
  long exponent = 0;
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    bool negative = false;
    if (*q == '+' || *q == '-') negative = *q++ == '-';
    if (!isDigit(*q)) return false;
    for (; isDigit(*q); ++q) {
      if (exponent < 100000) exponent = exponent * 10 + (*q - '0');
    }
    if (negative) exponent = -exponent;
    p = q;
  }
  shape.end = p;
  shape.magnitude = (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
  return true;
}

}  // namespace

bool parseDecimalNumber(const char* text, double& out) {
  if (!text) return false;
  if (*text == 0) {
    out = 0.0;
    return true;
  }
  const char* p = text;
  while (isBlank(*p)) ++p;
  decimalShapeS shape;
  if (!scanDecimal(p, shape) || *shape.end != 0) return false;

  bool negative = *p == '-';
  const char* digits = (*p == '+' || *p == '-') ? p + 1 : p;
  double value = 0.0;
  auto [end, error] = std::from_chars(digits, shape.end, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    bool overflow = shape.hasNonZeroDigit && shape.magnitude > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (error != std::errc() || end != shape.end) {
    return false;
  }
  out = negative ? -value : value;
  return true;
}

int32_t doubleToInt32(double value) {
  // 2^63 is exact as a double; NaN fails both comparisons.
  constexpr double limit = 9223372036854775808.0;
  if (!(value >= -limit && value < limit)) return 0;
  int64_t truncated = static_cast<int64_t>(value);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(truncated)));
}

void formatInt(int32_t value, char* buffer) {
  auto result = std::to_chars(buffer, buffer + numberTextSize - 1, value);
  *result.ptr = 0;
}

void formatDouble(double value, char* buffer) {
  auto result = std::to_chars(buffer, buffer + numberTextSize - 1, value, std::chars_format::general, 14);
  *result.ptr = 0;
}
