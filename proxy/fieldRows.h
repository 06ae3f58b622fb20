// The method-table rows through which scripts reach the fields and children of a record.
//
// A settable field is three rows of one name: a property get without argument, a property
// put with one, and a method with one that does what the put does. The put answers the proxy
// itself, so that calls chain, or the integer 1 where a family answers so. The argument is
// converted before the tree is touched, so a put whose argument does not convert changes
// nothing and the next row of the name is tried; a number must be finite
// (finiteNumberArgument.h).
//
// A field is named in one of two ways:
// - by its model's getter and setter, run on a view of the node the proxy shows; the getter's
//   result says whether the field is a text, an integer or a double, and the setter decides
//   what happens to a stored value of another kind. An integer field takes a number, stored
//   as the setter takes it; a double field takes a number as it is.
// - by its key word (textAttributeRows), with the choice of what a put does with a stored
//   value of another kind named beside it (otherKindE).
#pragma once

#include <array>
#include <cstdint>

#include "base/mzNumberText.h"
#include "base/str.h"
#include "core/metaObjectC.h"
#include "core/propertyValuePut.h"
#include "proxy/finiteNumberArgument.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/proxyMethodEntryS.h"
#include "proxy/prxMetaObjectI.h"
#include "proxy/rowTable.h"

namespace methodRows {

// What a put answers.
enum class putAnswerE { proxy, one };

// What a put does with a value of another kind that the field holds (a number where a text
// is put, a text where a number is put).
enum class otherKindE {
  // It stays and nothing is stored, as the setters of core/keyNodeField.h do.
  keep,
  // It stays behind the new value, which becomes the field's first child
  // (core/propertyValuePut.h): the next read gives the value put.
  replace,
};

// A getter, an accessor: value (recordT::*)(), or value (recordT::*)(uint32_t* found).
template <class memberT>
struct getterTraitsT;
template <class recordT, class valueT>
struct getterTraitsT<valueT (recordT::*)()> {
  using record = recordT;
  static valueT get(recordT& record, valueT (recordT::*getter)()) { return (record.*getter)(); }
};
template <class recordT, class valueT>
struct getterTraitsT<valueT (recordT::*)(uint32_t*)> {
  using record = recordT;
  static valueT get(recordT& record, valueT (recordT::*getter)(uint32_t*)) { return (record.*getter)(nullptr); }
};

// A setter: any result (recordT::*)(valueT); the result is not looked at.
template <class memberT>
struct setterTraitsT;
template <class recordT, class valueT, class resultT>
struct setterTraitsT<resultT (recordT::*)(valueT)> {
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
  static int32_t read(proxyAutoParaListC& arguments) { return finiteIntegerArgument(arguments, 0); }
  static int32_t pass(int32_t value) { return value; }
};

template <>
struct fieldArgumentT<double> {
  static double read(proxyAutoParaListC& arguments) { return finiteNumberArgument(arguments, 0); }
  static double pass(double value) { return value; }
};

inline void answerField(proxyAutoTypeCastC& result, const str& text) { result.setString(text.c_str()); }
inline void answerField(proxyAutoTypeCastC& result, int32_t value) { result.setInt(value); }
inline void answerField(proxyAutoTypeCastC& result, double value) { result.setDouble(value); }

template <putAnswerE answer>
void answerPut(void* native, proxyAutoTypeCastC& result) {
  if constexpr (answer == putAnswerE::one) result.setInt(1);
  else returnObject(result, &proxyOf<proxyObjectC>(native));
}

template <auto getter>
void getField(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using traits = getterTraitsT<decltype(getter)>;
  typename traits::record record = recordOf<typename traits::record>(native);
  answerField(result, traits::get(record, getter));
}

template <auto setter, putAnswerE answer>
void putField(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  using traits = setterTraitsT<decltype(setter)>;
  using argumentT = fieldArgumentT<typename traits::value>;
  const auto value = argumentT::read(arguments);
  typename traits::record record = recordOf<typename traits::record>(native);
  (record.*setter)(argumentT::pass(value));
  answerPut<answer>(native, result);
}

// A settable property whose handlers a class writes itself.
constexpr std::array<proxyMethodEntryS, 3> settableRows(const char* name, proxyMethodHandlerT get,
                                                        proxyMethodHandlerT put) {
  return {{{name, mzInvokePropertyGet, 0, get}, {name, mzInvokePropertyPut, 1, put}, {name, mzInvokeMethod, 1, put}}};
}

template <auto getter, auto setter, putAnswerE answer = putAnswerE::proxy>
constexpr std::array<proxyMethodEntryS, 3> settableRows(const char* name) {
  return settableRows(name, &getField<getter>, &putField<setter, answer>);
}

// A double field that scripts see as an integer: read truncated, written from an integer.
template <auto getter>
void getTruncated(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using traits = getterTraitsT<decltype(getter)>;
  typename traits::record record = recordOf<typename traits::record>(native);
  result.setInt(doubleToInt32(traits::get(record, getter)));
}

template <auto setter>
void putInteger(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  using recordT = typename setterTraitsT<decltype(setter)>::record;
  const int32_t value = finiteIntegerArgument(arguments, 0);
  recordT record = recordOf<recordT>(native);
  (record.*setter)(double(value));
  answerPut<putAnswerE::proxy>(native, result);
}

template <auto getter, auto setter>
constexpr std::array<proxyMethodEntryS, 3> integerRows(const char* name) {
  return settableRows(name, &getTruncated<getter>, &putInteger<setter>);
}

// A text field by key word: the record's child with the key (found, or appended when
// missing, also by a read) holds it as its first child.
template <const char* key>
void getTextAttribute(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(recordOf<metaObjectC>(native).getStringAttribute(key).c_str());
}

template <const char* key, otherKindE otherKind, putAnswerE answer>
void putTextAttribute(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* text = textArgument(arguments, 0);
  metaObjectC record = recordOf<metaObjectC>(native);
  if constexpr (otherKind == otherKindE::replace) putPropertyString(record.attributeNode(key), text);
  else record.setStringAttribute(key, text);
  answerPut<answer>(native, result);
}

template <const char* key, otherKindE otherKind, putAnswerE answer = putAnswerE::proxy>
constexpr std::array<proxyMethodEntryS, 3> textAttributeRows(const char* name) {
  return settableRows(name, &getTextAttribute<key>, &putTextAttribute<key, otherKind, answer>);
}

// A field that scripts only read.
template <auto getter>
constexpr std::array<proxyMethodEntryS, 1> readOnlyRow(const char* name) {
  return {{{name, mzInvokePropertyGet, 0, &getField<getter>}}};
}

// A read-only property: a new proxyT over the view the record's accessor gives (a child it
// finds or adds), sharing its node; proxyT's further constructor arguments follow the view.
template <class proxyT, auto accessor, auto... arguments>
void childObject(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  using traits = getterTraitsT<decltype(accessor)>;
  typename traits::record record = recordOf<typename traits::record>(native);
  returnObject(result, new proxyT(traits::get(record, accessor), arguments...));
}

template <class proxyT, auto accessor, auto... arguments>
constexpr std::array<proxyMethodEntryS, 1> childRow(const char* name) {
  return {{{name, mzInvokePropertyGet, 0, &childObject<proxyT, accessor, arguments...>}}};
}

}  // namespace methodRows
