// A walk over the children of a list node, forwards and backwards, handing out the child it
// stands on as a new P. It starts on the first child, whatever its key word, and follows
// the sibling links, so it visits every child of the node.
//
// The child it stands on is held like any proxy's node: removed from the list, it stays
// usable (the walk then has nowhere to go), and its tree stays while the walk lives.
#pragma once

#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "proxy/makeProxyOverNode.h"
#include "proxy/proxyClassC.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxmObjEnumBaseC.h"

template <class P>
class prxmObjEnumC : public prxmObjEnumBaseC {
 public:
  // On the first child of the list's node; on nothing when it has none.
  explicit prxmObjEnumC(const metaObjectVirtualDataBaseC& list) : prxmObjEnumBaseC(description, 0) {
    metaTreeC* listNode = list.getNode();
    current.show(listNode ? listNode->firstChild : nullptr);
  }

  metaTreeC* getCurrentNode() const override { return current.getNode(); }

  static const proxyClassC description;

 private:
  static const proxyMethodEntryS enumRows[];

  // 1 and moves when there is a sibling that way; else 0 and stays.
  template <treeLinkT<metaTreeC> MTreeNode<metaTreeC>::*link>
  static void step(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    prxmObjEnumC& self = proxyOf<prxmObjEnumC>(native);
    metaTreeC* node = self.current.getNode();
    metaTreeC* target = node ? node->*link : nullptr;
    if (target) self.current.show(target);
    result.setInt(target ? 1 : 0);
  }

  static void isValid(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    result.setInt(proxyOf<prxmObjEnumC>(native).current.getNode() ? 1 : 0);
  }

  // Also without a current node: that item answers ValidObj with 0.
  static void getItem(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    returnObject(result, new P(metaObjectC(proxyOf<prxmObjEnumC>(native).current.getNode(), 0)));
  }

  metaTreeViewC current;
};

template <class P>
const proxyMethodEntryS prxmObjEnumC<P>::enumRows[] = {
    {"nextItem", mzInvokeMethod, 0, &step<&metaTreeC::next>},
    {"prevItem", mzInvokeMethod, 0, &step<&metaTreeC::previous>},
    {"isValid", mzInvokeMethod, 0, &isValid},
    {"", mzInvokeMethod, 0, &getItem},
    {"getItem", mzInvokeMethod, 0, &getItem},
    {},
};

template <class P>
const proxyClassC prxmObjEnumC<P>::description([] { return prxTemplateTypeName<P>("prxmObjEnumC"); }, enumRows, nullptr,
                                               &makeProxyOverNode<prxmObjEnumC<P>>);
