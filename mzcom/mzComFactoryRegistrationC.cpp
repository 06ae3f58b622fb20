#include "mzcom/mzComFactoryRegistrationC.h"

#include "mzcom/mzComEngineFactoryClient.h"

mzComFactoryRegistrationC::mzComFactoryRegistrationC(mzIUnknown* factory) {
  uint32_t registered = 0;
  if (mzComRegisterClassFactory(factory, &registered) == 0) cookie = registered;
}

mzComFactoryRegistrationC::~mzComFactoryRegistrationC() {
  if (cookie != 0) mzComRevokeClassObject(cookie);
}
