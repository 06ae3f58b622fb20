// The script list of numbers of an option (its VAL, VALMAP): every child of the list node, in
// order, read as a number (a child that holds none reads 0.0). Item's put makes the child a
// number whatever it held. A number given to Append or to Item's put must be finite.
#pragma once

#include <string>

#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"
#include "proxy/finiteNumberArgument.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxListValueT.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

template <>
struct prxClassNameT<double> {
  static const char* get() { return "double"; }
};

template <>
struct prxClassNameT<metaObjListValContainerT<double>> {
  static const char* get() { return "class metaObjListValContainerT<double>"; }
};

template <>
struct prxListValueT<double> {
  static double argument(proxyAutoParaListC& arguments, int index) {
    return finiteNumberArgument(arguments, index);
  }
  static void read(const metaTreeC* item, proxyAutoTypeCastC& result) {
    result.setDouble(item->value.isDouble() ? item->value.getDouble() : 0.0);
  }
  static void readMissing(proxyAutoTypeCastC& result) { result.setDouble(0.0); }
  static void write(metaTreeC* item, double value) {
    item->value.setDouble(item->value.getPosition(), value);
    // A word item that becomes a number leaves the keyed caches over the list.
    ++metaTreeChangeCounter;
  }
  static void append(metaTreeC* listNode, double value) { metaObjListValContainerT<double>(listNode, 0).append(value); }
};

using prxmDoubleValueListC = prxmObjListBaseTypeContainerTemplateC<double, metaObjListValContainerT<double>>;
