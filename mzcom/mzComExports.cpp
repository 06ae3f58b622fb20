// The library's two entry points, the only symbols a host sees.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) uint32_t mzComInitRemoteEngine(void* engine) {
  (void)engine;
  return 0;
}

__attribute__((visibility("default"))) uint32_t mzComTerminateRemoteEngine() { return 0; }
}
