// The method-table rows through which scripts reach the fields of a record (keyNodeField.h).
//
// A settable field is three rows of one name: a property get without argument, a property
// put with one, and a method with one that does what the put does. The put answers the proxy
// itself, so that calls chain, or the integer 1 where a family answers so. A field is named by
// its model's getter and setter, run on a view of the node the proxy shows; the getter's
// result says whether the field is a text, an integer or a double. The argument is converted
// before the tree is touched, so a put whose argument does not convert changes nothing and
// the next row of the name is tried. An integer field takes a number, stored as a double; a
// double field takes a number as it is; for either a NaN or an infinity does not convert.
//
// A table is joined from pieces and ended by the end row:
//
//   constexpr auto rows = rowTable(settableRows<&mFooC::getName, &mFooC::setName>("Name"),
//                                  childRow<prxBarListC, &mFooC::getBars>("Bars"));
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "base/mzNumberText.h"
#include "base/str.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/proxyMethodEntryS.h"
#include "proxy/prxMetaObjectI.h"

namespace keyNodeFieldRows {

// What a put answers.
enum class putAnswerE { proxy, one };

template <class memberT>
struct memberTraitsT;
// A getter or an accessor: value (recordT::*)().
template <class recordT, class valueT>
struct memberTraitsT<valueT (recordT::*)()> {
  using record = recordT;
  using value = valueT;
};
// A setter: void (recordT::*)(valueT).
template <class recordT, class valueT>
struct memberTraitsT<void (recordT::*)(valueT)> {
  using record = recordT;
  using value = valueT;
};

// The record view of class recordT over the node the proxy shows, not owning it.
template <class recordT>
recordT recordOf(void* native) {
  return recordT(proxyOf<prxMetaObjectI>(native).getMetaObjectNode(), 0);
}

// The first argument as a setter of valueT takes it.
template <class valueT>
struct fieldArgumentT;

template <>
struct fieldArgumentT<const char*> {
  static str read(proxyAutoParaListC& arguments) { return textArgument(arguments, 0); }
  static const char* pass(const str& text) { return text.c_str(); }
};

template <>
struct fieldArgumentT<int32_t> {
  static int32_t read(proxyAutoParaListC& arguments) {
    double number = numberArgument(arguments, 0);
    if (!std::isfinite(number)) throwTypeCastException();
    return doubleToInt32(number);
  }
  static int32_t pass(int32_t value) { return value; }
};

template <>
struct fieldArgumentT<double> {
  static double read(proxyAutoParaListC& arguments) {
    double number = numberArgument(arguments, 0);
    if (!std::isfinite(number)) throwTypeCastException();
    return number;
  }
  static double pass(double value) { return value; }
};

inline void answerField(proxyAutoTypeCastC& result, const str& text) { result.setString(text.c_str()); }
inline void answerField(proxyAutoTypeCastC& result, int32_t value) { result.setInt(value); }
inline void answerField(proxyAutoTypeCastC& result, double value) { result.setDouble(value); }

template <auto getter>
void getField(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using traits = memberTraitsT<decltype(getter)>;
  typename traits::record record = recordOf<typename traits::record>(native);
  answerField(result, (record.*getter)());
}

template <auto setter, putAnswerE answer>
void putField(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  using traits = memberTraitsT<decltype(setter)>;
  using argumentT = fieldArgumentT<typename traits::value>;
  auto value = argumentT::read(arguments);
  typename traits::record record = recordOf<typename traits::record>(native);
  (record.*setter)(argumentT::pass(value));
  if constexpr (answer == putAnswerE::one) result.setInt(1);
  else returnObject(result, &proxyOf<proxyObjectC>(native));
}

template <auto getter, auto setter, putAnswerE answer = putAnswerE::proxy>
constexpr std::array<proxyMethodEntryS, 3> settableRows(const char* name) {
  return {{{name, mzInvokePropertyGet, 0, &getField<getter>},
           {name, mzInvokePropertyPut, 1, &putField<setter, answer>},
           {name, mzInvokeMethod, 1, &putField<setter, answer>}}};
}

// A read-only property: a new proxyT over the view the record's accessor gives (a child it
// finds or adds), sharing its node.
template <class proxyT, auto accessor>
void childObject(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using traits = memberTraitsT<decltype(accessor)>;
  typename traits::record record = recordOf<typename traits::record>(native);
  returnObject(result, new proxyT((record.*accessor)()));
}

template <class proxyT, auto accessor>
constexpr std::array<proxyMethodEntryS, 1> childRow(const char* name) {
  return {{{name, mzInvokePropertyGet, 0, &childObject<proxyT, accessor>}}};
}

// "Factory": a new factory of the family, a fresh object on every read. It stands in front
// of the common row of the name, which gives the meta-object factory.
template <class factoryT>
void newFactory(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new factoryT(0));
}

template <class factoryT>
constexpr std::array<proxyMethodEntryS, 1> factoryRow() {
  return {{{"Factory", mzInvokePropertyGet, 0, &newFactory<factoryT>}}};
}

// Rows written out, as a piece of a table.
template <size_t count>
constexpr std::array<proxyMethodEntryS, count> rowsOf(const proxyMethodEntryS (&rows)[count]) {
  std::array<proxyMethodEntryS, count> piece{};
  for (size_t i = 0; i < count; ++i) piece[i] = rows[i];
  return piece;
}

// The pieces in order, then the end row.
template <size_t... counts>
constexpr std::array<proxyMethodEntryS, (counts + ... + 0) + 1> rowTable(
    const std::array<proxyMethodEntryS, counts>&... pieces) {
  std::array<proxyMethodEntryS, (counts + ... + 0) + 1> table{};
  size_t at = 0;
  auto append = [&](const auto& piece) {
    for (const proxyMethodEntryS& row : piece) table[at++] = row;
  };
  (append(pieces), ...);
  return table;
}

}  // namespace keyNodeFieldRows
