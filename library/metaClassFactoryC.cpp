#include "library/metaClassFactoryC.h"

#include "proxy/proxyObjectC.h"
#include "proxy/proxyProgIdC.h"

// The ProgIDs are those the proxy classes declare beside themselves, in their fixed order.
// No exception leaves for the engine: running out of memory makes nothing.
uint32_t metaClassFactoryC::CreateInstance(const mzIIDS& classId, mzIDispatch** out) {
  if (!out) return 1;
  *out = nullptr;
  for (const proxyProgIdC* progId = proxyProgIdC::first(); progId; progId = progId->getNext()) {
    if (!classId.isEqualText(progId->getText())) continue;
    try {
      proxyObjectC* made = progId->make();
      made->AddRef();
      *out = static_cast<mzIDispatch*>(made);
      return 0;
    } catch (...) {
      return 1;
    }
  }
  return 1;
}

mzSmartPtr<mzIClassFactory> createClassFactory() { return mzSmartPtr<mzIClassFactory>(new metaClassFactoryC()); }
