// The value a tree node carries: a key word, a quoted string or a number, together with
// the place in the text where the reader found it.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/metaTokenPositionsC.h"
#include "core/metaTokenTextC.h"

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
  metaTokenC() : kind(kindNone) { value.text = nullptr; }
  metaTokenC(int kind, const int* position, const str& text);
  metaTokenC(int kind, const int* position, double value);
  metaTokenC(int kind, const int* position, int value);
  metaTokenC(const metaTokenC& other);
  ~metaTokenC() {
    clear();
    if (pairStored) [[unlikely]]
      metaTokenPositionsC::forget(this);
  }

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
  // A word or string that holds text, a text shared with other tokens (one more holder).
  void holdText(kindE textKind, const int* position, metaTokenTextC* text) {
    if (!text->addHolder()) {
      setText(textKind, position, text->c_str(), text->length());
      return;
    }
    clear();
    value.text = text;
    sharedText = true;
    kind = textKind;
    copyPosition(position);
  }
  void setDouble(const int* position, double number) {
    clear();
    value.number = number;
    kind = kindDouble;
    copyPosition(position);
  }
  void setInteger(const int* position, int value);
  void setInteger2(const int* position, int value);
  void clear() {
    if (kind == kindWord || kind == kindString) dropText();
    value.text = nullptr;
    kind = kindNone;
  }

  uint32_t getKind() const { return kind; }
  bool isWord() const { return kind == kindWord; }
  bool isString() const { return kind == kindString; }
  bool isDouble() const { return kind == kindDouble; }
  // The text of a word or string. A text read from tree text may be held by several tokens:
  // it changes only through setWord and setString, which give a shared token a text of its own.
  str* getText() const { return kind == kindWord || kind == kindString ? value.text : nullptr; }
  double getDouble() const { return value.number; }
  int getInteger() const { return value.integer; }
  // The pair stays where it is until the token's position changes or the token goes.
  const int* getPosition() const {
    if (pairOnLine) return metaTokenPositionsC::onLine(line);
    return pairStored ? metaTokenPositionsC::find(this) : metaTokenPositionsC::none();
  }
  void setPosition(int newLine, int second) {
    const int pair[2] = {newLine, second};
    copyPosition(pair);
  }

  // Kinds must match; texts compare byte for byte, doubles with == (a NaN equals nothing);
  // two empty tokens are not equal. Positions are ignored.
  bool operator==(const metaTokenC& other) const;
  bool operator!=(const metaTokenC& other) const { return !(*this == other); }

 private:
  // from may be this token's own pair.
  void copyPosition(const int* from) {
    if (!pairStored) [[likely]] {
      if (!from) {
        line = -1;
        pairOnLine = false;
        return;
      }
      if (metaTokenPositionsC::isShared(from[0], from[1])) {
        line = from[0];
        pairOnLine = true;
        return;
      }
    }
    storePosition(from);
  }
  void storePosition(const int* from);
  void takePosition(const metaTokenC& other);
  void setText(uint32_t textKind, const int* position, const char* text, int length);
  void dropText();

  // Ordered so that the token's last two bytes are padding, which a tree node fills with
  // fields of its own.
  union {
    str* text;
    double number;
    int32_t integer;
  } value;
  int32_t line = -1;
  uint8_t kind;  // a kindE
  // The text is a metaTokenTextC this token holds with others.
  bool sharedText : 1 = false;
  // The position pair: {line, 0} shared by line, or kept for the token by
  // metaTokenPositionsC; neither for -1/-1.
  bool pairOnLine : 1 = false;
  bool pairStored : 1 = false;
};
