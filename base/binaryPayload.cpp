#include "base/binaryPayload.h"

namespace binaryPayload {

constexpr char alphabet[86] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,;"
    ".:-_#'+*~!\xA7$%&/(){}=?";

namespace {

constexpr std::array<uint8_t, 256> buildReverseTable() {
  std::array<uint8_t, 256> table{};
  for (int position = 0; position < 86; ++position) table[uint8_t(alphabet[position])] = uint8_t(position);
  return table;
}

}  // namespace

// Built at compile time rather than on first use, so no caller can see it half made.
constexpr std::array<uint8_t, 256> reverseTable = buildReverseTable();
static_assert(reverseTable[0] == 85 && reverseTable[uint8_t(';')] == 63 && reverseTable[uint8_t('?')] == 84);

void repackBits(const uint8_t* input, int inBits, uint32_t count, uint8_t* output, int outBits, uint32_t& outCount,
                const uint8_t* inTable, const uint8_t* outTable) {
  if (inBits <= 0 || inBits > 8 || outBits <= 0 || outBits > 8) {
    outCount = 0;
    return;
  }
  uint64_t symbols = inBits > outBits ? uint64_t((uint64_t(inBits) * count + uint64_t(outBits) - 1) / uint64_t(outBits))
                                      : uint64_t(inBits) * count / uint64_t(outBits);
  outCount = uint32_t(symbols);
  uint32_t inMask = (1u << inBits) - 1;
  uint32_t outMask = (1u << outBits) - 1;
  uint32_t bits = 0;  // pending bits, right-aligned
  int pending = 0;
  uint32_t next = 0;
  for (uint32_t written = 0; written < outCount; ++written) {
    while (pending < outBits) {
      uint32_t item = 0;
      if (next < count) {
        item = input[next++];
        if (inTable) item = inTable[item];
      }
      bits = (bits << inBits) | (item & inMask);
      pending += inBits;
    }
    uint32_t group = (bits >> (pending - outBits)) & outMask;
    pending -= outBits;
    bits &= (1u << pending) - 1;
    output[written] = outTable ? outTable[group] : uint8_t(group);
  }
}

uint64_t encodedLength(uint64_t size) { return (8 * size + 5) / 6; }

}  // namespace binaryPayload
