#include "mzcom/mzComClassFactoryRegistration.h"

// The class factory does not exist yet: nothing is registered, which the exports take as a
// registration that failed.
uint32_t createAndRegisterClassFactory(uint32_t* cookie) {
  (void)cookie;
  return 1;
}
