// The library's two entry points, the only symbols a host sees. Both report success to the
// host whatever happens inside, and no exception leaves them.
#include "library/mzComClassFactoryRegistration.h"
#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"

extern "C" {

__attribute__((visibility("default"))) uint32_t mzComInitRemoteEngine(mzIComEngine* engine) {
  try {
    if (mzComAttachRemoteEngine(engine) != 0) return 0;
    uint32_t cookie = 0;
    if (createAndRegisterClassFactory(&cookie) == 0) mzComKeepRegistrationCookie(cookie);
  } catch (...) {
  }
  return 0;
}

// Revokes the registration of the matching init while the engine is still kept, then
// detaches. Without an init to match, nothing changes.
__attribute__((visibility("default"))) uint32_t mzComTerminateRemoteEngine() {
  try {
    uint32_t cookie = mzComNewestRegistrationCookie();
    if (cookie != 0) mzComRevokeClassObject(cookie);
    mzComDetachRemoteEngine();
  } catch (...) {
  }
  return 0;
}
}
