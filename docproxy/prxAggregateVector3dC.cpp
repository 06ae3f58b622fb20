#include "docproxy/prxAggregateVector3dC.h"

// Built with a reference of its own, which is never given back, so the axis never deletes
// itself: its matrix does, as its member.
prxAggregateVector3dC::prxAggregateVector3dC(mzIDispatch* ownerMatrix) : prxVector3dC(1), owner(ownerMatrix) {}

uint32_t prxAggregateVector3dC::AddRef() { return owner->AddRef(); }

uint32_t prxAggregateVector3dC::Release() { return owner->Release(); }
