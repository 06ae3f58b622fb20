#include "host/hostArrayC.h"

#include "mzcom/mzExceptionObjectC.h"
#include "mzcom/mzIIDConstants.h"
#include "platform/asciiCase.h"

hostArrayC* hostArrayC::create() {
  auto* made = new hostArrayC();
  made->AddRef();
  return made;
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
