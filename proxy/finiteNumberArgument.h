// Number arguments of calls that store what they are given. NaN or an infinity fails as a
// value of the wrong type does (the cast exception, so the next row of the name is tried), so
// that nothing that is not finite is ever stored.
#pragma once

#include <cmath>
#include <cstdint>

#include "base/mzNumberText.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"

// A number an argument gave, when finite; else the cast exception. Readers of vectors and
// matrices check each of their numbers through it.
inline double finiteArgumentValue(double number) {
  if (!std::isfinite(number)) throwTypeCastException();
  return number;
}

inline double finiteNumberArgument(proxyAutoParaListC& arguments, int index) {
  return finiteArgumentValue(numberArgument(arguments, index));
}

// The finite number as an integer: truncated toward zero, the low 32 bits kept.
inline int32_t finiteIntegerArgument(proxyAutoParaListC& arguments, int index) {
  return doubleToInt32(finiteNumberArgument(arguments, index));
}
