// Handlers shared by the list proxies. listT is the list proxy class; its getObject() is the
// list container, which counts the items and finds the node of the index-th one.
#pragma once

#include <cstdint>

#include "core/metaTreeC.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxmObjEnumC.h"

// The node of the index-th item; null for a negative index or one past the last item.
template <class containerT>
metaTreeC* listItemNode(containerT& container, int index) {
  return index < 0 ? nullptr : container.getItemNode(index);
}

// The node of the item the first argument indexes; an index without an item throws the
// container error.
template <class listT>
metaTreeC* indexedItemNode(void* native, proxyAutoParaListC& arguments) {
  metaTreeC* node = listItemNode(proxyOf<listT>(native).getObject(), intArgument(arguments, 0));
  if (!node) throwContainerError();
  return node;
}

template <class listT>
void listCount(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setInt(int32_t(proxyOf<listT>(native).getObject().getCount()));
}

template <class listT>
void listRemoveAt(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  int index = intArgument(arguments, 0);
  result.setInt(index < 0 ? 0 : int32_t(proxyOf<listT>(native).getObject().removeChildAt(index)));
}

// A walk over the list's children, each handed out as a new P.
template <class listT, class P>
void listObjEnum(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmObjEnumC<P>(proxyOf<listT>(native).getObject()));
}
