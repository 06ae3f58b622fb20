// Dispatch by key for the 3D model: callPrototype (core/prototypeBinding.h), bounded in
// depth. Documents, annotation sets and members nest dispatched calls one inside the other as
// deep as a script builds them; past maxNestedDispatches a call gives the neutral result
// instead of exhausting the stack. Any document the reader accepts (1,000 levels) stays well
// within the bound.
#pragma once

#include "core/prototypeBinding.h"

inline constexpr int maxNestedDispatches = 1024;

// Counts one dispatched call for its lifetime, on this thread.
class nestedDispatchC {
 public:
  nestedDispatchC();
  ~nestedDispatchC();
  nestedDispatchC(const nestedDispatchC&) = delete;
  nestedDispatchC& operator=(const nestedDispatchC&) = delete;

  // False when the call would lie deeper than the bound.
  bool admitted() const { return withinBound; }

 private:
  bool withinBound;
};

template <class interfaceT, class resultT, class callT>
resultT dispatchByKey(interfaceT* self, const metaObjectInterfaceListC* registry, resultT none, callT call) {
  nestedDispatchC nesting;
  if (!nesting.admitted()) return none;
  return callPrototype(self, registry, static_cast<resultT&&>(none), call);
}
