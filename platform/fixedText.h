// Text built in a caller-supplied buffer without allocating or locking, so that it can be
// used inside a signal handler. What does not fit is cut off; the text stays NUL-terminated.
#pragma once

#include <cstddef>
#include <cstdint>

class fixedText {
 public:
  // capacity counts the terminating NUL and must be at least 1.
  fixedText(char* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) { buffer_[0] = 0; }

  fixedText& append(const char* text);
  // At most count characters of text, fewer when it ends before.
  fixedText& append(const char* text, size_t count);
  fixedText& appendDecimal(int64_t value);
  // Lower-case hexadecimal digits, at least minimumDigits of them (zero-padded).
  fixedText& appendHex(uint64_t value, int minimumDigits = 1);

  const char* text() const { return buffer_; }
  size_t size() const { return size_; }
  // True when something appended since the last clear did not fit.
  bool truncated() const { return truncated_; }
  void clear();

 private:
  void put(char c);

  char* buffer_;
  size_t capacity_;
  size_t size_ = 0;
  bool truncated_ = false;
};
