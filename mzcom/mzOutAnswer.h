// The answer of a component getter that fills an out pointer: 1 (failure) for a null out,
// else the value stored and 0.
#pragma once

#include <cstdint>

#include "mzcom/mzVariantS.h"

template <class outT, class valueT>
uint32_t answerOut(outT* out, const valueT& value) {
  if (!out) return 1;
  *out = value;
  return 0;
}

// A text answered as a string variant.
inline uint32_t answerOutText(mzVariantS* out, const char* text) {
  if (!out) return 1;
  out->setString(text);
  return 0;
}
