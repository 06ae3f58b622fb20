#include "host/hostArrayC.h"

#include "mzcom/mzExceptionObjectC.h"
#include "mzcom/mzIIDConstants.h"
#include "platform/asciiCase.h"

hostArrayC* hostArrayC::create() { return new hostArrayC(); }

uint32_t hostArrayC::QueryInterface(const mzIIDS& iid, void** out) {
  if (!out) return 1;
  if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IDispatch)) {
    *out = nullptr;
    return 1;
  }
  *out = static_cast<mzIDispatch*>(this);
  AddRef();
  return 0;
}

uint32_t hostArrayC::AddRef() { return ++references; }

uint32_t hostArrayC::Release() {
  uint32_t left = --references;
  if (left == 0) delete this;
  return left;
}

uint32_t hostArrayC::Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments,
                            mzVariantS*, mzIException** error) {
  if (name && asciiCase::equal(name, "add") && (kind & mzInvokeMethod) && argumentCount == 1 && arguments) {
    values.push_back(arguments[0]);
    return 0;
  }
  if (error) {
    *error = new mzExceptionObjectC(name ? name : "", "Object call failed", nullptr);
    (*error)->AddRef();
  }
  return 1;
}
