// The value a tree node carries: a key word, a quoted string or a number, together with
// the place in the text where the reader found it.
#pragma once

#include <cstdint>

#include "base/str.h"

class metaTokenC {
 public:
  enum kindE : uint32_t {
    kindNone = 0,
    kindWord = 1,
    kindString = 2,
    kindDouble = 3,
    kindInteger = 4,
    kindInteger2 = 5,
  };

  // The constructors take the kind first, then the position pair (line, second number;
  // null gives -1/-1), then the value. A kind that does not fit the value leaves the token empty.
  metaTokenC();
  metaTokenC(int kind, const int* position, const str& text);
  metaTokenC(int kind, const int* position, double value);
  metaTokenC(int kind, const int* position, int value);
  metaTokenC(const metaTokenC& other);
  ~metaTokenC();

  metaTokenC& operator=(const metaTokenC& other) {
    assign(other);
    return *this;
  }
  void assign(const metaTokenC& other);

  void setWord(const int* position, const char* text);
  void setString(const int* position, const char* text);
  // The same from a counted run of bytes, which need not be zero-terminated.
  void setWord(const int* position, const char* text, int length);
  void setString(const int* position, const char* text, int length);
  void setDouble(const int* position, double value);
  void setInteger(const int* position, int value);
  void setInteger2(const int* position, int value);
  void clear();

  uint32_t getKind() const { return kind; }
  bool isWord() const { return kind == kindWord; }
  bool isString() const { return kind == kindString; }
  bool isDouble() const { return kind == kindDouble; }
  // The owned text; meaningful for words and strings only.
  str* getText() const { return kind == kindWord || kind == kindString ? value.text : nullptr; }
  double getDouble() const { return value.number; }
  int getInteger() const { return value.integer; }
  const int* getPosition() const { return position; }
  void setPosition(int line, int second) {
    position[0] = line;
    position[1] = second;
  }

  // Kinds must match; texts compare byte for byte, doubles with == (a NaN equals nothing);
  // two empty tokens are not equal. Positions are ignored.
  bool operator==(const metaTokenC& other) const;
  bool operator!=(const metaTokenC& other) const { return !(*this == other); }

 private:
  void copyPosition(const int* from);
  void setText(uint32_t textKind, const int* position, const char* text, int length);

  union {
    str* text;
    double number;
    int32_t integer;
  } value;
  uint32_t kind;
  int32_t position[2];
};
