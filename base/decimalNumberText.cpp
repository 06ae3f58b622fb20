#include "base/decimalNumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr double exactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr uint64_t exactMantissaLimit = uint64_t(1) << 53;
constexpr int g14Precision = 14;

// The digits of number, at least minimumDigits of them (leading zeros added).
char* writeUnsigned(uint64_t number, char* out, int minimumDigits = 1) {
  char digits[20];
  int count = 0;
  do {
    digits[count++] = char('0' + number % 10);
    number /= 10;
  } while (number || count < minimumDigits);
  while (count) *out++ = digits[--count];
  return out;
}

size_t formatGeneral(double value, char* buffer) {
  auto result = std::to_chars(buffer, buffer + doubleG14TextSize, value, std::chars_format::general, g14Precision);
  return size_t(result.ptr - buffer);
}

}  // namespace

// "%.14g" rounds the exact value to 14 significant digits. Any decimal D of at most 14
// significant digits that reads back as the value is that rounding: the value lies within half
// a unit of its last binary place of D, far less than half a unit of D's 14th digit (for normal
// values, whose binary places are all there). Such a D is looked for as m / 10^k with the
// fewest places k: m below 10^14 and 10^k are exact doubles, so the division is the correctly
// rounded reading of D. Between 10^-4 and 10^14 "%g" writes D in fixed notation, trailing
// zeros dropped; every other value takes the general routine.
size_t formatDoubleG14(double value, char* buffer) {
  double magnitude = std::fabs(value);
  if (!(magnitude < 1e14)) return formatGeneral(value, buffer);
  char* out = buffer;
  if (std::signbit(value)) *out++ = '-';
  if (magnitude == std::trunc(magnitude)) return size_t(writeUnsigned(uint64_t(magnitude), out) - buffer);
  if (magnitude < 1e-4) return formatGeneral(value, buffer);
  for (int places = 1; places <= 18; ++places) {
    double scaled = std::nearbyint(magnitude * exactPowersOfTen[places]);
    if (scaled >= 1e14) break;
    if (scaled / exactPowersOfTen[places] != magnitude) continue;
    auto mantissa = uint64_t(scaled);
    uint64_t unit = uint64_t(exactPowersOfTen[places]);
    out = writeUnsigned(mantissa / unit, out);
    *out++ = '.';
    return size_t(writeUnsigned(mantissa % unit, out, places) - buffer);
  }
  return formatGeneral(value, buffer);
}

// Clinger's fast path: a mantissa below 2^53 and a power of ten up to 10^22 are both exact
// doubles, so one multiplication or division rounds correctly, as the general routine does.
bool parseShortDecimal(const char* text, size_t length, double& value) {
  const char* p = text;
  const char* end = text + length;
  bool negative = false;
  if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // Up to 19 digits, leading zeros included, cannot overflow the mantissa; longer numbers are
  // left to the general routine.
  uint64_t mantissa = 0;
  int scale = 0;  // the power of ten the mantissa is to be multiplied by
  const char* digitsStart = p;
  for (; p < end && unsigned(*p - '0') < 10; ++p) mantissa = mantissa * 10 + unsigned(*p - '0');
  int digits = int(p - digitsStart);
  if (p < end && *p == '.') {
    const char* fraction = ++p;
    for (; p < end && unsigned(*p - '0') < 10; ++p) mantissa = mantissa * 10 + unsigned(*p - '0');
    scale = -int(p - fraction);
    digits -= scale;
  }
  if (digits == 0 || digits > 19) return false;
  if (p < end && (*p == 'e' || *p == 'E')) {
    ++p;
    bool negativeExponent = false;
    if (p < end && (*p == '+' || *p == '-')) negativeExponent = *p++ == '-';
    const char* exponentStart = p;
    int exponent = 0;
    for (; p < end && unsigned(*p - '0') < 10 && p - exponentStart < 6; ++p) exponent = exponent * 10 + (*p - '0');
    if (p == exponentStart) return false;
    scale += negativeExponent ? -exponent : exponent;
  }
  if (p != end) return false;
  double result = 0.0;
  if (mantissa != 0) {
    if (mantissa > exactMantissaLimit || scale < -22 || scale > 22) return false;
    result = scale < 0 ? double(mantissa) / exactPowersOfTen[-scale] : double(mantissa) * exactPowersOfTen[scale];
  }
  value = negative ? -result : result;
  return true;
}
