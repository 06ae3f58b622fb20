#include "core/crc32.h"

#include <array>

namespace crc32 {

namespace {

constexpr std::array<uint32_t, 256> buildTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t byte = 0; byte < 256; ++byte) {
    uint32_t value = byte;
    for (int bit = 0; bit < 8; ++bit) value = value & 1 ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    table[byte] = value;
  }
  return table;
}

constexpr std::array<uint32_t, 256> table = buildTable();

}  // namespace

uint32_t update(uint32_t crc, const void* bytes, size_t length) {
  const uint8_t* in = static_cast<const uint8_t*>(bytes);
  crc = ~crc;
  for (size_t i = 0; i < length; ++i) crc = table[(crc ^ in[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

}  // namespace crc32
