#include "base/crc32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// The checksum one bit at a time, as the polynomial defines it.
uint32_t bitwiseCrc(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = crc & 1 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
  }
  return ~crc;
}

}  // namespace

TEST(crc32, EveryLengthAndEverySplitGivesTheBitwiseChecksum) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += char((i * 151 + 7) & 0xFF);
  for (size_t length = 0; length <= bytes.size(); ++length) {
    std::string piece = bytes.substr(0, length);
    ASSERT_EQ(crc32::of(piece.data(), piece.size()), bitwiseCrc(piece)) << length;
  }
  // Pieces that leave the sliced loop at every offset of a block, from an unaligned start.
  for (size_t split = 0; split <= 40; ++split) {
    uint32_t first = crc32::of(bytes.data() + 1, split);
    EXPECT_EQ(crc32::update(first, bytes.data() + 1 + split, bytes.size() - 1 - split), bitwiseCrc(bytes.substr(1)))
        << split;
  }
}
