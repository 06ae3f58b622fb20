#include "platform/fixedText.h"

void fixedText::put(char c) {
  if (size_ + 1 >= capacity_) {
    truncated_ = true;
    return;
  }
  buffer_[size_++] = c;
  buffer_[size_] = 0;
}

fixedText& fixedText::append(const char* text) {
  if (text)
    while (*text) put(*text++);
  return *this;
}

fixedText& fixedText::append(const char* text, size_t count) {
  for (size_t i = 0; text && i < count && text[i]; ++i) put(text[i]);
  return *this;
}

fixedText& fixedText::appendDecimal(int64_t value) {
  // Through the unsigned magnitude, so the most negative value needs no special case.
  uint64_t magnitude = value < 0 ? 0 - uint64_t(value) : uint64_t(value);
  char digits[20];
  int count = 0;
  do {
    digits[count++] = char('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (value < 0) put('-');
  while (count) put(digits[--count]);
  return *this;
}

fixedText& fixedText::appendHex(uint64_t value, int minimumDigits) {
  char digits[16];
  int count = 0;
  do {
    digits[count++] = "0123456789abcdef"[value & 15];
    value >>= 4;
  } while (value);
  for (int pad = count; pad < minimumDigits; ++pad) put('0');
  while (count) put(digits[--count]);
  return *this;
}

void fixedText::clear() {
  size_ = 0;
  buffer_[0] = 0;
  truncated_ = false;
}
