// Finding the prototype of a node's key word and lending it the node for one call. A plain
// temporary view over any node thus runs the code of the class registered for its key word.
#pragma once

#include <cstdint>

#include "core/keywordRegistry.h"
#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeC.h"

// A prototype found for a node, with the node.
template <class interfaceT>
struct prototypeLookupS {
  interfaceT* prototype;
  metaTreeC* node;
};

// The prototype registered for the node's key word in a registry of interfaceT prototypes;
// null for a node that is not a word.
template <class interfaceT>
prototypeLookupS<interfaceT> lookupPrototype(const metaObjectInterfaceListC* registry, metaTreeC* node) {
  void* prototype = node && node->value.isWord() ? findKeyword(registry, node->value.getText()->c_str()) : nullptr;
  return {static_cast<interfaceT*>(prototype), node};
}

// A prototype lent a node, and the node its handle held before.
struct prototypeBindingS {
  metaObjectVirtualDataBaseC* prototype = nullptr;
  metaTreeC* previousNode = nullptr;
};

// Points the prototype's handle, not owning, at the pair's node.
template <class interfaceT>
void bindPrototype(const prototypeLookupS<interfaceT>& pair, prototypeBindingS& binding) {
  binding.prototype = pair.prototype;
  binding.previousNode = pair.prototype->getNode();
  pair.prototype->attach(pair.node, 0);
}

// Gives the prototype its previous node back, not owning.
inline void unbindPrototype(prototypeBindingS& binding) {
  if (binding.prototype) binding.prototype->attach(binding.previousNode, 0);
  binding.prototype = nullptr;
}

// The dispatch of the hook and attribute classes: when a prototype other than self is
// registered for self's node, call(prototype) runs with the prototype lent that node;
// otherwise none.
template <class interfaceT, class resultT, class callT>
resultT callPrototype(interfaceT* self, const metaObjectInterfaceListC* registry, resultT none, callT call) {
  prototypeLookupS<interfaceT> pair = lookupPrototype<interfaceT>(registry, self->getNode());
  if (!pair.prototype || pair.prototype == self) return none;
  prototypeBindingS binding;
  bindPrototype(pair, binding);
  resultT result = call(*pair.prototype);
  unbindPrototype(binding);
  return result;
}
