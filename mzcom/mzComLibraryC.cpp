#include "mzcom/mzComLibraryC.h"

#include <cstring>

mzComLibraryC::mzComLibraryC(const char* path, bool keep) { load(path, keep); }

mzComLibraryC::~mzComLibraryC() { unload(); }

bool mzComLibraryC::load(const char* path, bool keep) {
  unload();
  keepLoaded = keep ? 1 : 0;
  static const char extension[] = ".dll";
  size_t length = path ? std::strlen(path) : 0;
  if (length == 0 || length > maxPathLength) return false;
  char name[maxPathLength + 1];
  std::memcpy(name, path, length + 1);
  if (!moduleLoader::fileExists(name)) {
    if (length + sizeof extension - 1 > maxPathLength) return false;
    std::memcpy(name + length, extension, sizeof extension);
  }
  module = moduleLoader::load(name);
  return module != nullptr;
}

void mzComLibraryC::unload() {
  if (module && !keepLoaded) moduleLoader::unload(module);
  module = nullptr;
}

void* mzComLibraryC::getProc(const char* name) const { return moduleLoader::findEntry(module, name); }
