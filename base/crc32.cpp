#include "base/crc32.h"

#include <immintrin.h>

#include <array>
#include <bit>
#include <cstring>

namespace crc32 {

namespace {

static_assert(std::endian::native == std::endian::little, "the sliced loop reads words as little-endian");

constexpr uint32_t reflectedPolynomial = 0xEDB88320u;
constexpr int slices = 16;
using tablesT = std::array<std::array<uint32_t, 256>, slices>;

// tables[0] is the classic byte table; tables[k][b] is the remainder of byte b followed by k
// zero bytes, so that sixteen bytes fold in with sixteen independent lookups instead of a
// chain of sixteen dependent ones.
constexpr tablesT buildTables() {
  tablesT tables{};
  for (uint32_t byte = 0; byte < 256; ++byte) {
    uint32_t value = byte;
    for (int bit = 0; bit < 8; ++bit) value = value & 1 ? reflectedPolynomial ^ (value >> 1) : value >> 1;
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

// The running remainder (complemented checksum) over the bytes.
uint32_t slicedRemainder(uint32_t crc, const uint8_t* in, size_t length) {
  for (; length >= slices; in += slices, length -= slices) {
    crc = foldWord(word(in) ^ crc, 15) ^ foldWord(word(in + 4), 11) ^ foldWord(word(in + 8), 7) ^
          foldWord(word(in + 12), 3);
  }
  for (; length; ++in, --length) crc = tables[0][(crc ^ *in) & 0xFF] ^ (crc >> 8);
  return crc;
}

// Constants of the folding, in the bit-reflected order the data has in the registers:
// x^n mod P reflected over 32 bits and shifted left by one, the polynomial itself over 33
// bits, and the quotient x^64 / P for the final reduction.
constexpr uint64_t fullPolynomial = 0x104C11DB7u;

constexpr uint64_t reflect(uint64_t value, int bits) {
  uint64_t result = 0;
  for (int i = 0; i < bits; ++i)
    if (value >> i & 1) result |= uint64_t(1) << (bits - 1 - i);
  return result;
}

constexpr uint64_t xPowerModP(int n) {
  uint64_t remainder = 1;
  for (int i = 0; i < n; ++i) {
    remainder <<= 1;
    if (remainder >> 32 & 1) remainder ^= fullPolynomial;
  }
  return remainder;
}

constexpr uint64_t foldConstant(int n) { return reflect(xPowerModP(n), 32) << 1; }

constexpr uint64_t quotientX64() {
  uint64_t quotient = 0, remainder = 0;
  for (int bit = 64; bit >= 0; --bit) {
    remainder = remainder << 1 | (bit == 64 ? 1 : 0);
    quotient <<= 1;
    if (remainder >> 32 & 1) {
      remainder ^= fullPolynomial;
      quotient |= 1;
    }
  }
  return quotient;
}

constexpr uint64_t fold512Low = foldConstant(4 * 128 + 32), fold512High = foldConstant(4 * 128 - 32);
constexpr uint64_t fold128Low = foldConstant(128 + 32), fold128High = foldConstant(128 - 32);
constexpr uint64_t fold64 = foldConstant(64);
constexpr uint64_t reducePolynomial = reflect(fullPolynomial, 33), reduceQuotient = reflect(quotientX64(), 33);
static_assert(fold512Low == 0x154442bd4 && fold512High == 0x1c6e41596 && fold128Low == 0x1751997d0 &&
              fold128High == 0x0ccaa009e && fold64 == 0x163cd6124 && reducePolynomial == 0x1DB710641 &&
              reduceQuotient == 0x1F7011641, "the published folding constants of CRC-32");

#define RUDEZAZE_CARRY_LESS __attribute__((target("pclmul,sse4.1")))

RUDEZAZE_CARRY_LESS inline __m128i load(const uint8_t* in) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
}

// The 128 bits of value moved forward over the distance the constants stand for, added to next.
RUDEZAZE_CARRY_LESS inline __m128i fold(__m128i value, __m128i constants, __m128i next) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(value, constants, 0x00),
                                     _mm_clmulepi64_si128(value, constants, 0x11)),
                       next);
}

// The running remainder over a whole number of 16-byte blocks, at least four.
RUDEZAZE_CARRY_LESS uint32_t carryLessRemainder(uint32_t crc, const uint8_t* in, size_t length) {
  __m128i x0 = _mm_xor_si128(load(in), _mm_cvtsi32_si128(int(crc)));
  __m128i x1 = load(in + 16), x2 = load(in + 32), x3 = load(in + 48);
  in += 64;
  length -= 64;
  const __m128i by512 = _mm_set_epi64x(int64_t(fold512High), int64_t(fold512Low));
  for (; length >= 64; in += 64, length -= 64) {
    x0 = fold(x0, by512, load(in));
    x1 = fold(x1, by512, load(in + 16));
    x2 = fold(x2, by512, load(in + 32));
    x3 = fold(x3, by512, load(in + 48));
  }
  const __m128i by128 = _mm_set_epi64x(int64_t(fold128High), int64_t(fold128Low));
  x0 = fold(x0, by128, x1);
  x0 = fold(x0, by128, x2);
  x0 = fold(x0, by128, x3);
  for (; length >= 16; in += 16, length -= 16) x0 = fold(x0, by128, load(in));

  // 128 bits to 64, then to 32 with 32 zero bits appended, then Barrett's reduction.
  const __m128i low32 = _mm_set_epi32(0, 0, 0, -1);
  x0 = _mm_xor_si128(_mm_srli_si128(x0, 8), _mm_clmulepi64_si128(x0, by128, 0x10));
  x0 = _mm_xor_si128(_mm_srli_si128(x0, 4),
                     _mm_clmulepi64_si128(_mm_and_si128(x0, low32), _mm_set_epi64x(0, int64_t(fold64)), 0x00));
  const __m128i reduce = _mm_set_epi64x(int64_t(reduceQuotient), int64_t(reducePolynomial));
  __m128i estimate = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(x0, low32), reduce, 0x10), low32);
  x0 = _mm_xor_si128(x0, _mm_clmulepi64_si128(estimate, reduce, 0x00));
  return uint32_t(_mm_extract_epi32(x0, 1));
}

// Shorter inputs are left to the tables: the folding's set-up and reduction cost more.
constexpr size_t carryLessFrom = 64;

uint32_t carryLessThenSliced(uint32_t crc, const uint8_t* in, size_t length) {
  if (length >= carryLessFrom) {
    size_t blocks = length & ~size_t(15);
    crc = carryLessRemainder(crc, in, blocks);
    in += blocks;
    length -= blocks;
  }
  return slicedRemainder(crc, in, length);
}

}  // namespace

bool carryLessAvailable() {
  static const bool available = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
  return available;
}

uint32_t updateSliced(uint32_t crc, const void* bytes, size_t length) {
  return ~slicedRemainder(~crc, static_cast<const uint8_t*>(bytes), length);
}

uint32_t updateCarryLess(uint32_t crc, const void* bytes, size_t length) {
  return ~carryLessThenSliced(~crc, static_cast<const uint8_t*>(bytes), length);
}

uint32_t update(uint32_t crc, const void* bytes, size_t length) {
  return carryLessAvailable() ? updateCarryLess(crc, bytes, length) : updateSliced(crc, bytes, length);
}

}  // namespace crc32
