// The path of a mate's end to a member: 1-based member indices joined by at-signs, innermost
// first, so the last field indexes a member of the mate's own assembly. Resolution consumes
// the remaining text from its end; the full text stays for display.
#pragma once

#include <cstdint>

#include "base/str.h"

class memberPathC {
 public:
  memberPathC() = default;
  explicit memberPathC(const char* path) : full(path ? path : ""), remaining(path ? path : "") {}

  const str& getFull() const { return full; }
  const str& getRemaining() const { return remaining; }
  // The decimal value after the last at-sign of the remaining text (after white space and a
  // sign, up to the first character that is no digit; 0 without digits; held to the 32-bit
  // range), the remaining text cut before that at-sign; without an at-sign the value of the
  // whole remaining text, which becomes empty.
  int32_t popIndex();

 private:
  str full;
  str remaining;
};

// The value of the leading decimal number of text as popIndex reads it.
int32_t parseMemberIndex(const char* text);
