#include "draw2d/shapes/shapeDispatch.h"

#include "draw2d/drawingRegistries.h"

shapeDispatchPairS shapeDispatchLookup(metaTreeC* node) { return lookupPrototype<mBaseShape2dC>(shape2dRegistry, node); }

prototypeBindingS shapeDispatchAttach(const shapeDispatchPairS& pair) {
  prototypeBindingS guard;
  if (pair.prototype) bindPrototype(pair, guard);
  return guard;
}

void shapeDispatchRestore(prototypeBindingS& guard) { unbindPrototype(guard); }
