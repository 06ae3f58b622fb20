// How a value list reads, writes and appends its items for one value type V: each value type
// a value list is made for says so with a specialization.
#pragma once

#include "core/metaTreeC.h"
#include "base/str.h"
#include "proxy/proxyHandlerArguments.h"

template <class V>
struct prxListValueT;

// Texts, stored as string values.
template <>
struct prxListValueT<str> {
  // Borrowed from the call's arguments.
  static const char* argument(proxyAutoParaListC& arguments, int index) { return textArgument(arguments, index); }
  // The item's text; "" for an item whose value is not a text.
  static void read(const metaTreeC* item, proxyAutoTypeCastC& result) {
    const str* text = item->value.getText();
    result.setString(text ? text->c_str() : "");
  }
  // What a put at an index without an item answers.
  static void readMissing(proxyAutoTypeCastC& result) { result.setString(""); }
  static void write(metaTreeC* item, const char* value) {
    item->value.setString(nullptr, value);
    // A word item that becomes a string leaves the keyed caches over the list.
    ++metaTreeChangeCounter;
  }
  static void append(metaTreeC* listNode, const char* value) { metaTreeC::appendStringChild(listNode, value); }
};
