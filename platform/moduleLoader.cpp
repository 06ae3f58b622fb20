#include "platform/moduleLoader.h"

#include <dlfcn.h>
#include <sys/stat.h>

namespace moduleLoader {

moduleT load(const char* path) { return path ? dlopen(path, RTLD_NOW | RTLD_LOCAL) : nullptr; }

void* findEntry(moduleT module, const char* name) { return module && name ? dlsym(module, name) : nullptr; }

void unload(moduleT module) {
  if (module) dlclose(module);
}

bool fileExists(const char* path) {
  struct stat info;
  return path && stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace moduleLoader
