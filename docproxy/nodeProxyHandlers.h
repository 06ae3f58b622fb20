// Pieces shared by the handlers of script objects over a node of a tree.
#pragma once

#include "core/metaObjectC.h"
#include "docproxy/prxVector2dC.h"
#include "geom/vectorC2d.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxMetaObjectBaseC.h"

// The node of the proxy a handler runs on, for every class built on prxMetaObjectBaseC.
inline metaTreeC* nodeOfProxy(void* native) { return proxyOf<prxMetaObjectBaseC>(native).getObject().getNode(); }

// A new detached vector holding the value.
inline void returnVector(proxyAutoTypeCastC& result, const vectorC2d<double>& value) {
  returnObject(result, new prxVector2dC(0, value));
}

// A new proxyT over node, sharing it.
template <class proxyT>
void returnProxyOver(proxyAutoTypeCastC& result, metaTreeC* node) {
  returnObject(result, new proxyT(metaObjectC(node, 0)));
}

// A new proxyT over the child of the proxy's node with the key word, made when missing.
template <class proxyT, const char* key>
void childProxy(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnProxyOver<proxyT>(result, metaObjectC(nodeOfProxy(native), 0).attributeNode(key));
}
