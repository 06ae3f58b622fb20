// Method-table rows of the option model's number fields, beside the text and integer rows of
// keyNodeFieldRows.h, and the number arguments they take. A number argument must be finite:
// NaN or an infinity does not convert, so the call fails as for a value of the wrong type and
// nothing is stored. Integers follow the double-to-int rule (truncation toward zero, the low
// 32 bits kept).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "base/mzNumberText.h"
#include "proxy/keyNodeFieldRows.h"
#include "proxy/proxyExceptions.h"

namespace optionFieldRows {

inline double finiteNumberArgument(proxyAutoParaListC& arguments, int index) {
  const double number = numberArgument(arguments, index);
  if (!std::isfinite(number)) throwTypeCastException();
  return number;
}

inline int32_t integerArgument(proxyAutoParaListC& arguments, int index) {
  return doubleToInt32(finiteNumberArgument(arguments, index));
}

// A double field, read and written as a double.
template <auto getter>
void getDouble(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using recordT = typename keyNodeFieldRows::memberTraitsT<decltype(getter)>::record;
  recordT record = keyNodeFieldRows::recordOf<recordT>(native);
  result.setDouble((record.*getter)());
}

template <auto setter>
void putDouble(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  using recordT = typename keyNodeFieldRows::memberTraitsT<decltype(setter)>::record;
  const double value = finiteNumberArgument(arguments, 0);
  recordT record = keyNodeFieldRows::recordOf<recordT>(native);
  (record.*setter)(value);
  returnObject(result, &proxyOf<proxyObjectC>(native));
}

template <auto getter, auto setter>
constexpr std::array<proxyMethodEntryS, 3> doubleRows(const char* name) {
  return {{{name, mzInvokePropertyGet, 0, &getDouble<getter>},
           {name, mzInvokePropertyPut, 1, &putDouble<setter>},
           {name, mzInvokeMethod, 1, &putDouble<setter>}}};
}

// A double field that scripts see as an integer: read truncated, written from an integer.
template <auto getter>
void getTruncated(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using recordT = typename keyNodeFieldRows::memberTraitsT<decltype(getter)>::record;
  recordT record = keyNodeFieldRows::recordOf<recordT>(native);
  result.setInt(doubleToInt32((record.*getter)()));
}

template <auto setter>
void putInteger(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  using recordT = typename keyNodeFieldRows::memberTraitsT<decltype(setter)>::record;
  const int32_t value = integerArgument(arguments, 0);
  recordT record = keyNodeFieldRows::recordOf<recordT>(native);
  (record.*setter)(double(value));
  returnObject(result, &proxyOf<proxyObjectC>(native));
}

template <auto getter, auto setter>
constexpr std::array<proxyMethodEntryS, 3> integerRows(const char* name) {
  return {{{name, mzInvokePropertyGet, 0, &getTruncated<getter>},
           {name, mzInvokePropertyPut, 1, &putInteger<setter>},
           {name, mzInvokeMethod, 1, &putInteger<setter>}}};
}

}  // namespace optionFieldRows
