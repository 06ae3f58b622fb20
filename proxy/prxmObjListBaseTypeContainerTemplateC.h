// A script's list of plain values: the children of a list node, in order, each holding one
// value of type V, over the list container L. Indices are 0-based. Over an empty handle the
// list is empty and changes do nothing.
#pragma once

#include <string>

#include "core/metaObjectC.h"
#include "proxy/listProxyHandlers.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxListValueT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <class V, class L>
class prxmObjListBaseTypeContainerTemplateC
    : public prxDescribedT<prxmObjListBaseTypeContainerTemplateC<V, L>, prxMetaObjectBaseTemplateC<L>> {
 public:
  using prxmObjListBaseTypeContainerTemplateC::prxDescribedT::prxDescribedT;

  static const proxyClassC description;

 private:
  static const proxyMethodEntryS valueListRows[];

  using valueT = prxListValueT<V>;

  static prxmObjListBaseTypeContainerTemplateC& self(void* native) {
    return proxyOf<prxmObjListBaseTypeContainerTemplateC>(native);
  }

  static void item(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    valueT::read(indexedItemNode<prxmObjListBaseTypeContainerTemplateC>(native, arguments), result);
  }

  static void append(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    auto& list = self(native);
    auto value = valueT::argument(arguments, 0);
    if (metaTreeC* listNode = list.object.getNode()) valueT::append(listNode, value);
    returnObject(result, &list);
  }

  // The value now at the index; an index without an item changes nothing.
  static void setItem(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    auto& list = self(native);
    int index = intArgument(arguments, 0);
    auto value = valueT::argument(arguments, 1);
    metaTreeC* node = listItemNode(list.object, index);
    if (!node) return valueT::readMissing(result);
    valueT::write(node, value);
    valueT::read(node, result);
  }

  static void removeAll(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    auto& list = self(native);
    list.object.clearChildren();
    returnObject(result, &list);
  }
};

template <class V, class L>
const proxyMethodEntryS prxmObjListBaseTypeContainerTemplateC<V, L>::valueListRows[] = {
    {"Count", mzInvokePropertyGet, 0, &listCount<prxmObjListBaseTypeContainerTemplateC>},
    {"Item", mzInvokeMethod, 1, &item},
    {"", mzInvokeMethod, 1, &item},
    {"Append", mzInvokeMethod, 1, &append},
    {"Item", mzInvokePropertyPut, 2, &setItem},
    {"RemoveAt", mzInvokeMethod, 1, &listRemoveAt<prxmObjListBaseTypeContainerTemplateC>},
    {"RemoveAll", mzInvokeMethod, 0, &removeAll},
    {},
};

template <class V, class L>
const proxyClassC prxmObjListBaseTypeContainerTemplateC<V, L>::description =
    prxmObjListBaseTypeContainerTemplateC::describeOverNodes(
        [] { return prxTemplateTypeName<V, L>("prxmObjListBaseTypeContainerTemplateC"); }, valueListRows);
