// A script's keyed list: the children of a list node whose key word is the class key of the
// meta class M, in order, each handed out as a new P over the child (not owning it); other
// children are skipped. Indices are 0-based. Over an empty handle the list is empty and
// changes do nothing.
#pragma once

#include <cstdint>
#include <string>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"
#include "proxy/listProxyHandlers.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <class P, class M>
class prxmObjListObjTypeContainerTemplateC
    : public prxDescribedT<prxmObjListObjTypeContainerTemplateC<P, M>,
                           prxMetaObjectBaseTemplateC<metaObjKeyContainerTemplateC<M>>> {
 public:
  using prxmObjListObjTypeContainerTemplateC::prxDescribedT::prxDescribedT;

  static const proxyClassC description;

 protected:
  // The index-th child with M's key word, null when there is none.
  metaTreeC* keyedItemNode(int index) { return listItemNode(this->object, index); }

 private:
  static const proxyMethodEntryS keyedListRows[];

  static prxmObjListObjTypeContainerTemplateC& self(void* native) {
    return proxyOf<prxmObjListObjTypeContainerTemplateC>(native);
  }

  static void item(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    metaTreeC* node = indexedItemNode<prxmObjListObjTypeContainerTemplateC>(native, arguments);
    returnObject(result, new P(metaObjectC(node, 0)));
  }

  // A new last child with M's key word and no children; over an empty handle an item over
  // nothing.
  static void add(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    metaTreeC* listNode = self(native).object.getNode();
    metaTreeC* node = listNode ? metaTreeC::appendWordChild(listNode, M::classKey) : nullptr;
    returnObject(result, new P(metaObjectC(node, 0)));
  }
};

template <class P, class M>
const proxyMethodEntryS prxmObjListObjTypeContainerTemplateC<P, M>::keyedListRows[] = {
    {"Count", mzInvokePropertyGet, 0, &listCount<prxmObjListObjTypeContainerTemplateC>},
    {"Item", mzInvokeMethod, 1, &item},
    {"add", mzInvokeMethod, 0, &add},
    {"", mzInvokeMethod, 1, &item},
    {"objEnum", mzInvokeMethod, 0, &listObjEnum<prxmObjListObjTypeContainerTemplateC, P>},
    {},
};

template <class P, class M>
const proxyClassC prxmObjListObjTypeContainerTemplateC<P, M>::description =
    prxmObjListObjTypeContainerTemplateC::describeOverNodes(
        [] { return prxTemplateTypeName<P, M>("prxmObjListObjTypeContainerTemplateC"); }, keyedListRows);
