// The library as a host sees it: loaded with dlopen, reached through its two exports.
#pragma once

#include <dlfcn.h>

#include "mzcom/mzComExports.h"

struct loadedLibrary {
  void* module = dlopen(RUDEZAZE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  mzComInitRemoteEngineFn init =
      module ? reinterpret_cast<mzComInitRemoteEngineFn>(dlsym(module, mzComInitRemoteEngineName)) : nullptr;
  mzComTerminateRemoteEngineFn terminate =
      module ? reinterpret_cast<mzComTerminateRemoteEngineFn>(dlsym(module, mzComTerminateRemoteEngineName))
             : nullptr;

  loadedLibrary() = default;
  loadedLibrary(const loadedLibrary&) = delete;
  loadedLibrary& operator=(const loadedLibrary&) = delete;
  ~loadedLibrary() {
    if (module) dlclose(module);
  }
  bool isUsable() const { return init && terminate; }
};
