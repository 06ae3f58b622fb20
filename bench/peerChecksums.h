// The CRC-32 of zlib and of libdeflate, behind names of their own: zlib's function and the
// library's crc32 namespace cannot be seen from one source file.
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t zlibCrc32(const void* bytes, size_t length);
uint32_t libdeflateCrc32(const void* bytes, size_t length);
