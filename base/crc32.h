// CRC-32 as zlib and PNG compute it (ISO-HDLC: reflected polynomial 0xEDB88320, start value
// and final complement all ones). Long inputs are folded with carry-less multiplication where
// the processor has it (chosen at run time); everything else, and every processor without it,
// goes sixteen bytes at a time through sliced tables. Both give the same checksum.
#pragma once

#include <cstddef>
#include <cstdint>

namespace crc32 {

// Continues a running checksum: start from 0, feed the bytes in any number of pieces.
uint32_t update(uint32_t crc, const void* bytes, size_t length);
inline uint32_t of(const void* bytes, size_t length) { return update(0, bytes, length); }

// The two ways update may take, for their tests: the sliced tables alone, and carry-less
// multiplication, which only a processor with carryLessAvailable may run.
uint32_t updateSliced(uint32_t crc, const void* bytes, size_t length);
uint32_t updateCarryLess(uint32_t crc, const void* bytes, size_t length);
bool carryLessAvailable();

}  // namespace crc32
