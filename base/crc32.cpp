#include "base/crc32.h"

#include <array>
#include <bit>
#include <cstring>

namespace crc32 {

namespace {

static_assert(std::endian::native == std::endian::little, "the sliced loop reads words as little-endian");

constexpr int slices = 16;
using tablesT = std::array<std::array<uint32_t, 256>, slices>;

// tables[0] is the classic byte table; tables[k][b] is the remainder of byte b followed by k
// zero bytes, so that sixteen bytes fold in with sixteen independent lookups instead of a
// chain of sixteen dependent ones.
constexpr tablesT buildTables() {
  tablesT tables{};
  for (uint32_t byte = 0; byte < 256; ++byte) {
    uint32_t value = byte;
    for (int bit = 0; bit < 8; ++bit) value = value & 1 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    tables[0][byte] = value;
  }
  for (int k = 1; k < slices; ++k)
    for (uint32_t byte = 0; byte < 256; ++byte)
      tables[k][byte] = (tables[k - 1][byte] >> 8) ^ tables[0][tables[k - 1][byte] & 0xFF];
  return tables;
}

constexpr tablesT tables = buildTables();

uint32_t word(const uint8_t* in) {
  uint32_t value;
  std::memcpy(&value, in, sizeof value);
  return value;
}

// The four bytes of value, the first of them sliceOfFirst zero bytes from the block's end.
uint32_t foldWord(uint32_t value, int sliceOfFirst) {
  return tables[sliceOfFirst][value & 0xFF] ^ tables[sliceOfFirst - 1][(value >> 8) & 0xFF] ^
         tables[sliceOfFirst - 2][(value >> 16) & 0xFF] ^ tables[sliceOfFirst - 3][value >> 24];
}

}  // namespace

uint32_t update(uint32_t crc, const void* bytes, size_t length) {
  const uint8_t* in = static_cast<const uint8_t*>(bytes);
  crc = ~crc;
  for (; length >= slices; in += slices, length -= slices) {
    crc = foldWord(word(in) ^ crc, 15) ^ foldWord(word(in + 4), 11) ^ foldWord(word(in + 8), 7) ^
          foldWord(word(in + 12), 3);
  }
  for (; length; ++in, --length) crc = tables[0][(crc ^ *in) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

}  // namespace crc32
