#include "core/shortDecimalText.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr uint64_t placesUnit = 1000000;  // six decimal places
constexpr double placesScale = 1e6;

char* writeWhole(uint32_t number, char* out) {
  char digits[10];
  int count = 0;
  do {
    digits[count++] = char('0' + number % 10);
    number /= 10;
  } while (number);
  while (count) *out++ = digits[--count];
  return out;
}

}  // namespace

// A value m / 10^6 with m below 10^14 reads back as the value: the decimal m / 10^6 has at
// most 14 significant digits and lies within half a unit of the value's last binary place, so
// it is what rounding to 14 significant digits gives, and between 10^-4 and 10^14 "%g" writes
// it in fixed notation without trailing zeros. The division of two exact doubles rounds
// correctly, so the test is exact.
size_t formatShortDecimal(double value, char* out) {
  double magnitude = std::fabs(value);
  if (!(magnitude >= 1e-4 && magnitude < 1e8)) return 0;
  auto scaled = uint64_t(magnitude * placesScale + 0.5);
  if (double(scaled) / placesScale != magnitude) return 0;
  char* at = out;
  if (std::signbit(value)) *at++ = '-';
  at = writeWhole(uint32_t(scaled / placesUnit), at);
  if (auto fraction = uint32_t(scaled % placesUnit)) {
    *at++ = '.';
    char places[6];
    for (int i = 5; i >= 0; --i) {
      places[i] = char('0' + fraction % 10);
      fraction /= 10;
    }
    int kept = 6;
    while (places[kept - 1] == '0') --kept;
    for (int i = 0; i < kept; ++i) *at++ = places[i];
  }
  return size_t(at - out);
}
