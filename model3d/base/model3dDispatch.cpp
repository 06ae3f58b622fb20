#include "model3d/base/model3dDispatch.h"

namespace {

thread_local int nestedDispatches = 0;

}  // namespace

nestedDispatchC::nestedDispatchC() : withinBound(nestedDispatches < maxNestedDispatches) { ++nestedDispatches; }

nestedDispatchC::~nestedDispatchC() { --nestedDispatches; }
