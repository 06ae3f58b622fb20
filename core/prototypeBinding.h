// Dispatch by key word, the one mechanism every family uses: a registry holds one prototype
// per key word (made by a keywordRegistrarT with no node), and a view of a general class runs
// the code of the class registered for its node's key word by lending that node to the
// prototype for one call:
//   1. lookupPrototype finds the prototype of the node's key word (none for a node that is not
//      a word or a key word without a row);
//   2. no prototype, or the prototype is the calling object itself (a registered class that
//      leaves the slot to the general body), gives the slot's neutral result;
//   3. otherwise a prototypeLoanT lends the node (not owned) and, when it goes out of scope,
//      gives the prototype back the node it held before: on return, on an exception, and in
//      nested calls, where a body dispatches again to the same prototype for another node.
// callPrototype does the three steps; a slot body is one call of it, e.g.
//   return callPrototype(this, registry, 0, [&](shapeC& p) { return p.scale(factor); });
// The prototypes are process-wide and change their node during a call, so the model is
// entered from one thread at a time.
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

// Holds a prototype lent a node for the guard's lifetime; a lookup without prototype lends
// nothing.
template <class interfaceT>
class prototypeLoanT {
 public:
  explicit prototypeLoanT(const prototypeLookupS<interfaceT>& pair) {
    if (pair.prototype) bindPrototype(pair, binding);
  }
  ~prototypeLoanT() { unbindPrototype(binding); }
  prototypeLoanT(const prototypeLoanT&) = delete;
  prototypeLoanT& operator=(const prototypeLoanT&) = delete;

 private:
  prototypeBindingS binding;
};

// When a prototype other than self is registered for self's node, call(prototype) runs with
// the prototype lent that node and its result is returned; otherwise none.
template <class interfaceT, class resultT, class callT>
resultT callPrototype(interfaceT* self, const metaObjectInterfaceListC* registry, resultT none, callT call) {
  prototypeLookupS<interfaceT> pair = lookupPrototype<interfaceT>(registry, self->getNode());
  if (!pair.prototype || pair.prototype == self) return none;
  prototypeLoanT<interfaceT> loan(pair);
  return call(*pair.prototype);
}
