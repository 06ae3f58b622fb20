// A loaded module, owned by whoever created it. A kept module stays loaded when the object
// lets it go, so entry points taken from it stay callable.
#pragma once

#include <cstddef>
#include <cstdint>

#include "memman/memManInterfaceC.h"
#include "platform/moduleLoader.h"

class mzComLibraryC : public memManInterfaceC {
 public:
  // Longest path accepted, ".dll" included when it is appended.
  static constexpr size_t maxPathLength = 2000;

  mzComLibraryC() = default;
  mzComLibraryC(const char* path, bool keep);
  mzComLibraryC(const mzComLibraryC&) = delete;
  mzComLibraryC& operator=(const mzComLibraryC&) = delete;
  ~mzComLibraryC() override;

  // Loads path, or path with ".dll" appended when no file of that name exists. A longer
  // path than maxPathLength is refused rather than cut, which would name another file.
  bool load(const char* path, bool keep);
  void unload();
  bool isLoaded() const { return module != nullptr; }
  // Null when not loaded or not found.
  void* getProc(const char* name) const;

 private:
  moduleLoader::moduleT module = nullptr;
  uint8_t keepLoaded = 0;
};
