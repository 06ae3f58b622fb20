#include "base/crc32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
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

struct pathS {
  const char* name;
  uint32_t (*update)(uint32_t, const void*, size_t);
};

}  // namespace

TEST(crc32, EveryPathGivesTheBitwiseChecksumForEveryLengthSplitAndStart) {
  std::vector<pathS> paths = {{"chosen", crc32::update}, {"sliced", crc32::updateSliced}};
  if (crc32::carryLessAvailable()) paths.push_back({"carry-less", crc32::updateCarryLess});
  EXPECT_EQ(crc32::of("123456789", 9), 0xCBF43926u);

  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += char((i * 151 + 7) & 0xFF);
  std::string longer(70000, 0);
  std::mt19937 random(7);
  for (char& c : longer) c = char(random());

  for (const pathS& path : paths) {
    for (size_t length = 0; length <= bytes.size(); ++length) {
      std::string piece = bytes.substr(0, length);
      ASSERT_EQ(path.update(0, piece.data(), piece.size()), bitwiseCrc(piece)) << path.name << " " << length;
    }
    // Pieces that leave the folded and the sliced loops at every offset of a block, from
    // unaligned starts.
    for (size_t start = 0; start < 4; ++start) {
      uint32_t whole = bitwiseCrc(bytes.substr(start));
      for (size_t split = 0; split <= 140; ++split) {
        uint32_t first = path.update(0, bytes.data() + start, split);
        EXPECT_EQ(path.update(first, bytes.data() + start + split, bytes.size() - start - split), whole)
            << path.name << " " << start << " " << split;
      }
    }
    for (size_t start : {0, 1, 15, 63}) {
      std::string piece = longer.substr(start);
      EXPECT_EQ(path.update(0, piece.data(), piece.size()), bitwiseCrc(piece)) << path.name << " " << start;
    }
  }
}
