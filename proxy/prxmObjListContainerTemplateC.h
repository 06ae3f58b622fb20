// A script's list of objects: all children of a list node, in order, whatever their key
// words, each handed out as a new P over the child (not owning it). Indices are 0-based.
// Built read-only it offers Count, Item, the default member and objEnum only. Over an empty
// handle the list is empty and changes do nothing.
#pragma once

#include <cstdint>
#include <string>

#include "core/metaObjListObjectContainerC.h"
#include "core/metaObjectC.h"
#include "core/metaTreeReaderC.h"
#include "proxy/listProxyHandlers.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <class P>
class prxmObjListContainerTemplateC
    : public prxDescribedT<prxmObjListContainerTemplateC<P>, prxMetaObjectBaseTemplateC<metaObjListObjectContainerC>> {
 public:
  // Over the source's handle: an owning source is deep-copied and the copy owned, a
  // non-owning one shared.
  explicit prxmObjListContainerTemplateC(const metaObjectC& source, uint32_t readOnly = 0)
      : prxmObjListContainerTemplateC::prxDescribedT(source) {
    if (readOnly) this->setClass(readOnlyDescription);
  }

  // The full list, and the read-only one, which answers the same type name. A class derived
  // from the list builds on the full one.
  static const proxyClassC description;
  static const proxyClassC readOnlyDescription;

 private:
  static const proxyMethodEntryS listRows[];
  static const proxyMethodEntryS readOnlyListRows[];

  static prxmObjListContainerTemplateC& self(void* native) { return proxyOf<prxmObjListContainerTemplateC>(native); }

  static void returnItem(proxyAutoTypeCastC& result, metaTreeC* node) {
    returnObject(result, new P(metaObjectC(node, 0)));
  }

  static void item(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    returnItem(result, indexedItemNode<prxmObjListContainerTemplateC>(native, arguments));
  }

  static void removeAll(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    self(native).object.clearChildren();
    result.setInt(1);
  }

  // A new last child holding the key word; over an empty handle an item over nothing. A text
  // that would not read back as that one key word fails as an argument that does not convert.
  static void add(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    const char* key = textArgument(arguments, 0);
    if (!metaTreeReaderC::isKeyword(key)) throwTypeCastException();
    metaTreeC* listNode = self(native).object.getNode();
    returnItem(result, listNode ? metaTreeC::appendWordChild(listNode, key) : nullptr);
  }
};

template <class P>
const proxyMethodEntryS prxmObjListContainerTemplateC<P>::listRows[] = {
    {"Count", mzInvokePropertyGet, 0, &listCount<prxmObjListContainerTemplateC>},
    {"Item", mzInvokeMethod, 1, &item},
    {"", mzInvokeMethod, 1, &item},
    {"objEnum", mzInvokeMethod, 0, &listObjEnum<prxmObjListContainerTemplateC, P>},
    {"RemoveAll", mzInvokeMethod, 0, &removeAll},
    {"RemoveAt", mzInvokeMethod, 1, &listRemoveAt<prxmObjListContainerTemplateC>},
    {"add", mzInvokeMethod, 1, &add},
    {},
};

template <class P>
const proxyMethodEntryS prxmObjListContainerTemplateC<P>::readOnlyListRows[] = {
    {"Count", mzInvokePropertyGet, 0, &listCount<prxmObjListContainerTemplateC>},
    {"Item", mzInvokeMethod, 1, &item},
    {"", mzInvokeMethod, 1, &item},
    {"objEnum", mzInvokeMethod, 0, &listObjEnum<prxmObjListContainerTemplateC, P>},
    {},
};

template <class P>
const proxyClassC prxmObjListContainerTemplateC<P>::description = prxmObjListContainerTemplateC::describeOverNodes(
    [] { return prxTemplateTypeName<P>("prxmObjListContainerTemplateC"); }, listRows);

template <class P>
const proxyClassC prxmObjListContainerTemplateC<P>::readOnlyDescription(
    [] { return prxTemplateTypeName<P>("prxmObjListContainerTemplateC"); }, readOnlyListRows,
    &prxMetaObjectBaseTemplateC<metaObjListObjectContainerC>::description,
    [](metaTreeC* node) -> proxyObjectC* { return new prxmObjListContainerTemplateC(metaObjectC(node, 0), 1); });
