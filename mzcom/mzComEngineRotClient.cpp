#include "mzcom/mzComEngineRotClient.h"

#include <cstdio>

#include "mzcom/mzComServiceCall.h"
#include "mzcom/mzIComEngineRot.h"
#include "mzcom/mzIComMessageOutput.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

namespace {

template <class Operation>
uint32_t callRot(Operation operation) {
  return mzComCallService<mzIComEngineRot>(mzIID_ComEngineRot, operation);
}

}  // namespace

uint32_t mzComRotCall1(const mzIIDS& id, const mzIIDS& iid, uint32_t reserved, void** out) {
  return callRot([&](mzIComEngineRot& rot) { return rot.findRunningObject(id, iid, reserved, out); });
}

uint32_t mzComRotCall2(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) {
  return callRot([&](mzIComEngineRot& rot) { return rot.rotOperation2(a, b, c, d); });
}

uint32_t mzComRotCall3(uintptr_t a) {
  return callRot([&](mzIComEngineRot& rot) { return rot.rotOperation3(a); });
}

uint32_t mzComRotCall4(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) {
  return callRot([&](mzIComEngineRot& rot) { return rot.rotOperation4(a, b, c, d); });
}

uint32_t mzComRotCall5(uintptr_t a) {
  return callRot([&](mzIComEngineRot& rot) { return rot.rotOperation5(a); });
}

uint32_t mzComRotCall6() {
  return callRot([&](mzIComEngineRot& rot) { return rot.rotOperation6(); });
}

uint32_t mzComMessageOutput(int32_t code, const char* text) {
  void* found = nullptr;
  if (mzComRotCall1(mzIID_ComMessageOutputService, mzIID_IComMessageOutput, 0, &found) == 0 && found) {
    mzSmartPtr<mzIComMessageOutput> output(static_cast<mzIComMessageOutput*>(found), false);
    mzVariantS message(text);
    return output->writeMessage(code, &message);
  }
  std::printf("%d %s\n", code, text ? text : "");
  std::fflush(stdout);
  return 0;
}
