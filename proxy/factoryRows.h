// The method-table rows of factories and of the classes that lead to them:
// - factoryRow: "Factory", a new factory of the family, a fresh object on every read. It
//   stands in front of the common row of the name, which gives the meta-object factory.
// - classRows: for one class, "to<name>", "is<name>" and "key<name>" (prxFactoryClassConvention.h).
// - makerRow: a method without arguments that answers a new object.
// - createRow: (name), the object a table of names and makers makes for it (createByName.h);
//   for a name the table does not hold, what otherwise makes of it, else an empty result
//   (no error).
#pragma once

#include <array>
#include <cstddef>
#include <type_traits>

#include "proxy/createByName.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/proxyMethodEntryS.h"
#include "proxy/prxFactoryClassConvention.h"
#include "proxy/rowTable.h"

namespace methodRows {

template <class factoryT>
void newFactory(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  if constexpr (std::is_default_constructible_v<factoryT>) returnObject(result, new factoryT());
  else returnObject(result, new factoryT(0));
}

template <class factoryT>
constexpr std::array<proxyMethodEntryS, 1> factoryRow() {
  return {{{"Factory", mzInvokePropertyGet, 0, &newFactory<factoryT>}}};
}

// A row name as a literal, for names joined at compile time.
template <size_t size>
struct rowNameT {
  char text[size]{};
  constexpr rowNameT(const char (&name)[size]) {
    for (size_t i = 0; i < size; ++i) text[i] = name[i];
  }
};

template <rowNameT prefix, rowNameT name>
struct joinedRowNameT {
  static constexpr auto text = [] {
    std::array<char, sizeof(prefix.text) + sizeof(name.text) - 1> joined{};
    size_t at = 0;
    for (size_t i = 0; i + 1 < sizeof(prefix.text); ++i) joined[at++] = prefix.text[i];
    for (char c : name.text) joined[at++] = c;
    return joined;
  }();
};

template <class proxyT, const char* const& classKey, rowNameT name>
constexpr std::array<proxyMethodEntryS, 3> classRows() {
  return {{{joinedRowNameT<"to", name>::text.data(), mzInvokeMethod, 1, &toMember<proxyT, classKey>},
           {joinedRowNameT<"is", name>::text.data(), mzInvokeMethod, 1, &isMember<classKey>},
           {joinedRowNameT<"key", name>::text.data(), mzInvokeMethod, 0, &keyMember<classKey>}}};
}

// The "to" and "is" rows only, for factories that offer no key member.
template <class proxyT, const char* const& classKey, rowNameT name>
constexpr std::array<proxyMethodEntryS, 2> classRowsWithoutKey() {
  const std::array<proxyMethodEntryS, 3> all = classRows<proxyT, classKey, name>();
  return {{all[0], all[1]}};
}

template <proxyObjectC* (*make)()>
void makeObject(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, make());
}

template <proxyObjectC* (*make)()>
constexpr std::array<proxyMethodEntryS, 1> makerRow(const char* name) {
  return {{{name, mzInvokeMethod, 0, &makeObject<make>}}};
}

// What a factory without a fallback makes of a name its table does not hold: nothing.
inline proxyObjectC* makeNothing(const char*) { return nullptr; }

template <const auto& makers, proxyObjectC* (*otherwise)(const char*)>
void createNamed(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  proxyObjectC* made = createByName(makers, name);
  if (!made) made = otherwise(name);
  returnObject(result, made);
}

template <const auto& makers, proxyObjectC* (*otherwise)(const char*) = &makeNothing>
constexpr std::array<proxyMethodEntryS, 1> createRow(const char* name) {
  return {{{name, mzInvokeMethod, 1, &createNamed<makers, otherwise>}}};
}

}  // namespace methodRows
