// The maker a class description carries for a meta-object proxy class that a script may meet
// over any node of a tree.
#pragma once

#include "core/metaObjectC.h"

class proxyObjectC;

// A new proxyT over node, sharing it, with count 0.
template <class proxyT>
proxyObjectC* makeProxyOverNode(metaTreeC* node) {
  return new proxyT(metaObjectC(node, 0));
}
