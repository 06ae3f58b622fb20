// Dispatch by key word over the 2D shape registry, in the terms of core/prototypeBinding.h:
// the prototype registered for a shape node's key word, lent the node for one call.
#pragma once

#include "core/prototypeBinding.h"
#include "draw2d/shapes/mBaseShape2dC.h"

using shapeDispatchPairS = prototypeLookupS<mBaseShape2dC>;
using shapeDispatchLoanC = prototypeLoanT<mBaseShape2dC>;

// The shape prototype of the node's key word; none for an empty node, a node that is not a
// word, or a key word without a row.
shapeDispatchPairS shapeDispatchLookup(metaTreeC* node);
// Lends the pair's node to its prototype (not owned) and returns what restores it.
prototypeBindingS shapeDispatchAttach(const shapeDispatchPairS& pair);
// Gives the prototype its previous node back; nothing for an empty guard.
void shapeDispatchRestore(prototypeBindingS& guard);
