// The text of word and string tokens read from tree text: a str that every token of a read
// carrying the same bytes holds at once, so that a document's thousands of equal key words
// and values take one text. Holders count themselves; the last one deletes it.
#pragma once

#include <cstdint>

#include "base/str.h"

class metaTokenTextC final : public str {
 public:
  // A new text of length bytes (which need not be zero-terminated), with one holder.
  metaTokenTextC(const char* text, int length);

  // False when the count is at its limit: the caller then takes a copy of its own.
  bool addHolder() {
    if (holders == UINT32_MAX) return false;
    ++holders;
    return true;
  }
  void releaseHolder() {
    if (--holders == 0) delete this;
  }
  uint32_t holderCount() const { return holders; }

 private:
  uint32_t holders = 1;
};
