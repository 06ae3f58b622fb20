// The path of a mate's end to a member: 1-based member indices joined by at-signs, innermost
// first, so the last field indexes a member of the mate's own assembly. Resolution consumes
// the remaining text from its end; the full text stays for display.
#pragma once

#include <cstdint>

#include "base/str.h"

class memberPathC {
 public:
  memberPathC() = default;
  explicit memberPathC(const char* path) : full(path ? path : ""), remainingLength(full.length()) {}

  const str& getFull() const { return full; }
  // The text not yet taken off: always the start of the full text.
  str getRemaining() const { return str(full.c_str(), 0, remainingLength); }
  int getRemainingLength() const { return remainingLength; }
  // The remaining text back to the full text.
  void reset() { remainingLength = full.length(); }
  // The decimal value after the last at-sign of the remaining text (after white space and a
  // sign, up to the first character that is no digit; 0 without digits; held to the 32-bit
  // range), the remaining text cut before that at-sign; without an at-sign the value of the
  // whole remaining text, which becomes empty. The remaining text is the start of the full
  // one, so taking an index costs the length of its field, not of the path.
  int32_t popIndex();

 private:
  str full;
  int remainingLength = 0;
};

// The value of the leading decimal number of text as popIndex reads it.
int32_t parseMemberIndex(const char* text);
