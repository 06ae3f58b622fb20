#include "bench/peerChecksums.h"

#include <libdeflate.h>
#include <zlib.h>

uint32_t zlibCrc32(const void* bytes, size_t length) {
  uLong crc = crc32(0L, Z_NULL, 0);
  const Bytef* in = static_cast<const Bytef*>(bytes);
  // zlib counts in uInt; feed larger inputs in pieces.
  while (length) {
    uInt piece = length > 0x40000000u ? 0x40000000u : uInt(length);
    crc = crc32(crc, in, piece);
    in += piece;
    length -= piece;
  }
  return uint32_t(crc);
}

uint32_t libdeflateCrc32(const void* bytes, size_t length) { return libdeflate_crc32(0, bytes, length); }
