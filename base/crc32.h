// CRC-32 as zlib and PNG compute it (ISO-HDLC: reflected polynomial 0xEDB88320, start value
// and final complement all ones), sixteen bytes at a time through sliced tables.
#pragma once

#include <cstddef>
#include <cstdint>

namespace crc32 {

// Continues a running checksum: start from 0, feed the bytes in any number of pieces.
uint32_t update(uint32_t crc, const void* bytes, size_t length);
inline uint32_t of(const void* bytes, size_t length) { return update(0, bytes, length); }

}  // namespace crc32
