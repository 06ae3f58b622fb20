// The library's string of 8-bit characters. Its buffer is sized exactly and holds the
// terminating zero; the empty string either has no buffer or a one-byte buffer.
// The layout (table pointer, then the embedded buffer) is shared with hosts, which
// put their own strings into variants.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "memman/memManDataPoolC.h"

class str : public memManInterfaceC {
 public:
  memManDataPoolC<char> buffer;

  str();
  str(const str& other);
  str(const char* text);
  str(const char* text, int start, int end);
  explicit str(int value);
  explicit str(unsigned int value);
  explicit str(long value);  // formatted as the 32-bit value it carries
  str(double value, int precision);
  ~str() override;

  str& operator=(const char* text);
  str& operator=(const str& other);
  void assignRange(const char* text, int start, int end);

  // Number of characters, without the terminator.
  int length() const { return buffer.size ? int(buffer.size) - 1 : 0; }
  bool isEmpty() const { return length() == 0; }
  // Never null: a string without a buffer gives "".
  const char* c_str() const;
  operator const char*() const { return c_str(); }

  str& operator+=(const char* text);
  str& operator+=(char c);
  str& append(const char* text, int count);
  str operator+(const str& other) const;
  str operator+(const char* text) const;

  // Resizes the buffer to exactly size bytes (keeping what fits) for the caller to fill,
  // terminator included; null for a size below 1.
  char* getBuffer(int size);

  bool operator==(const char* text) const;
  bool operator<(const char* text) const;
  bool operator>(const char* text) const;
  bool operator==(const str& other) const { return *this == other.bufferText(); }
  bool operator!=(const char* text) const { return !(*this == text); }

  int find(char c) const;
  int find(const char* text) const;
  int reverseFind(char c) const;
  int reverseFind(const char* text) const;
  int findNoCase(char c) const;
  int findNoCase(const char* text) const;

  str mid(int start, int count) const;
  str left(int n) const;
  str right(int n) const;
  str& insert(int pos, const char* text);
  str& remove(int start, int count);
  void trimLeft(char c);
  void trimRight(char c);
  void trim(char c);
  void makeUpper();
  void makeLower();

 private:
  // The buffer as a C text, null when there is none (the comparisons tell the two apart).
  const char* bufferText() const { return buffer.data; }
  std::string_view view() const { return {c_str(), size_t(length())}; }
  // Makes the contents the pieces joined, in an exact-size buffer. The pieces may point
  // into the current buffer: it is freed only after they have been copied.
  void assignPieces(std::initializer_list<std::string_view> pieces);
};

void upperCaseText(char* text);
void lowerCaseText(char* text);

str escapeString(const char* text);
str unescapeString(const char* text);
str quoteString(const char* text);
str replaceString(str source, const str& what, const str& with, int start, int count, bool caseSensitive);
