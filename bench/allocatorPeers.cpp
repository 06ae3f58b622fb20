#include "bench/allocatorPeers.h"

#include <dlfcn.h>
#include <jemalloc/jemalloc.h>
#include <mimalloc.h>

void* mimallocAllocate(size_t size) { return mi_malloc(size); }
void mimallocFree(void* block) { mi_free(block); }
void* jemallocAllocate(size_t size) { return mallocx(size, 0); }
void jemallocFree(void* block) { dallocx(block, 0); }

namespace {

// True when the process resolves symbol to the one the library of that name defines.
bool resolvesTo(const char* library, const char* symbol) {
  void* handle = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return false;
  void* own = dlsym(handle, symbol);
  dlclose(handle);
  return own && dlsym(RTLD_DEFAULT, symbol) == own;
}

}  // namespace

const char* processAllocatorProblem() {
  if (!resolvesTo("libc.so.6", "malloc") || !resolvesTo("libc.so.6", "free"))
    return "malloc is not the C library's: link the C library before jemalloc and mimalloc";
  if (!resolvesTo("libstdc++.so.6", "_Znwm") || !resolvesTo("libstdc++.so.6", "_ZdlPv"))
    return "operator new is not the C++ library's: link it before jemalloc and mimalloc";
  return nullptr;
}
