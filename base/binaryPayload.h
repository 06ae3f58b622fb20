// The text encoding of binary payloads: bytes regrouped into 6-bit values, each written as a
// character of a 64-character alphabet.
#pragma once

#include <array>
#include <cstdint>

namespace binaryPayload {

// 85 characters; the encoder uses the first 64, position p standing for the value p.
extern const char alphabet[86];
// Each byte's position in the alphabet (the terminating zero at 85); 0 for other bytes.
extern const std::array<uint8_t, 256> reverseTable;

// Repacks count items of inBits bits into outBits-bit symbols, most significant bit first:
// each input item is first translated through inTable (identity when null) and contributes
// its low inBits bits; zero bits follow the input; each output group is translated through
// outTable (identity when null). outCount receives the number of symbols written:
// ceil(inBits / outBits * count) when inBits > outBits, else inBits * count / outBits.
// output must hold that many.
void repackBits(const uint8_t* input, int inBits, uint32_t count, uint8_t* output, int outBits, uint32_t& outCount,
                const uint8_t* inTable, const uint8_t* outTable);

// The number of characters that encode size bytes: ceil(8 * size / 6).
uint64_t encodedLength(uint64_t size);

}  // namespace binaryPayload
