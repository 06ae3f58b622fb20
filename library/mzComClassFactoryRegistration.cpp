#include "library/mzComClassFactoryRegistration.h"

#include "mzcom/mzComEngineFactoryClient.h"
#include "library/metaClassFactoryC.h"

// The holder's reference goes on return; the engine keeps its own while registered.
uint32_t createAndRegisterClassFactory(uint32_t* cookie) {
  mzSmartPtr<mzIClassFactory> factory = createClassFactory();
  return mzComRegisterClassFactory(factory.get(), cookie);
}
