#include "mzcom/mzIIDS.h"

#include <cstring>
#include <string_view>

#include "platform/asciiCase.h"

namespace {

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

size_t mzIIDS::nameLength() const { return strnlen(data, maxBytes); }

mzIIDS& mzIIDS::copyTo(mzIIDS& other) const {
  if (&other != this) {
    std::memcpy(other.data, data, maxBytes);
    other.length = length;
  }
  return other;
}

bool mzIIDS::isEqualText(const char* text) const {
  if (!text) return false;
  if (length == 0) return asciiCase::equal(std::string_view(data, nameLength()), text);
  if (length > maxBytes) return false;  // a record no identifier can have
  return strnlen(text, length + 1) == length && std::memcmp(data, text, length) == 0;
}

bool mzIIDS::isEqual(const mzIIDS& other) const {
  if (length == 0 && other.length == 0) {
    return asciiCase::equal(std::string_view(data, nameLength()), std::string_view(other.data, other.nameLength()));
  }
  if (length > maxBytes || other.length > maxBytes) return false;
  // A binary identifier equals a text identifier spelling its bytes exactly.
  if (other.length == 0) {
    size_t n = other.nameLength();
    return n == length && std::memcmp(data, other.data, n) == 0;
  }
  if (length == 0) return other.isEqual(*this);
  return length == other.length && std::memcmp(data, other.data, length) == 0;
}

void mzIIDS::toString(char* buffer) const {
  static const char digits[] = "0123456789abcdef";
  char* out = buffer;
  uint32_t shownLength = length;
  int lengthDigits = 4;
  while (lengthDigits < 8 && (shownLength >> (4 * lengthDigits)) != 0) ++lengthDigits;
  for (int i = lengthDigits - 1; i >= 0; --i) *out++ = digits[(shownLength >> (4 * i)) & 0xf];
  *out++ = ':';
  if (length == 0) {
    size_t n = nameLength();
    std::memcpy(out, data, n);
    out += n;
  } else {
    uint32_t n = length < maxBytes ? length : maxBytes;
    for (uint32_t i = 0; i < n; ++i) {
      unsigned char byte = static_cast<unsigned char>(data[i]);
      *out++ = digits[byte >> 4];
      *out++ = digits[byte & 0xf];
    }
  }
  *out = 0;
}

uint32_t mzIIDS::fromString(const char* text) {
  if (!text) return 1;
  const char* p = text;
  while (isBlank(*p)) ++p;
  uint32_t parsedLength = 0;
  int lengthDigits = 0;
  for (; lengthDigits < 4 && hexDigitValue(*p) >= 0; ++lengthDigits, ++p) {
    parsedLength = parsedLength * 16 + uint32_t(hexDigitValue(*p));
  }
  if (lengthDigits == 0 || *p != ':') return 1;
  ++p;
  while (isBlank(*p)) ++p;
  const char* word = p;
  while (*p && !isBlank(*p)) ++p;
  size_t wordLength = size_t(p - word);
  if (wordLength == 0) return 1;

  mzIIDS parsed;
  parsed.length = parsedLength;
  if (parsedLength == 0) {
    if (wordLength > maxNameLength) return 1;
    std::memcpy(parsed.data, word, wordLength);
  } else {
    // Cut nothing silently: a record holds at most 32 bytes, 64 digits.
    if (parsedLength > maxBytes || wordLength > 2 * maxBytes) return 1;
    for (size_t k = 0; k < wordLength / 2; ++k) {
      int high = hexDigitValue(word[2 * k]);
      int low = hexDigitValue(word[2 * k + 1]);
      if (high < 0 || low < 0) return 1;
      parsed.data[k] = static_cast<char>(high * 16 + low);
    }
  }
  parsed.copyTo(*this);
  return 0;
}
