// A foreign feature ("FOEFEAT"): a file of another format embedded whole, byte for byte, as
// the binary payload "FEATDATA" (code 0), described by "FEATINFO".
#pragma once

#include <cstdint>

#include "model3d/bodyFeatures/m3dFeatForeignInfoC.h"
#include "model3d/features/m3dFeatGenC.h"

class m3dFeatForeignC : public m3dFeatGenC {
 public:
  static constexpr const char* classKey = "FOEFEAT";

  m3dFeatForeignC() = default;
  m3dFeatForeignC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dFeatGenC(root, owns) {}

  m3dFeatForeignInfoC getFeatInfo() { return m3dFeatForeignInfoC(findOrCreateChildByKeyword(m3dFeatForeignInfoC::classKey), 0); }
  void setFormatName(const char* name) { getFeatInfo().setFormatName(name); }
  void setFormatVersion(const char* version) { getFeatInfo().setFormatVersion(version); }

  // Stores the format's name and version and the path's file name (after its last '/', else
  // its last '\', else all of it), puts a new empty "FEATDATA" in place of the old one, then
  // reads the regular file at path into it. 1 when the whole file was stored (an empty file
  // too); 0, "FEATDATA" left empty, when the path is no regular file, cannot be read, or is
  // larger than a payload holds.
  int importFile(const char* formatName, const char* formatVersion, const char* path);
  // Writes the embedded bytes to path, replacing a file whole or leaving it as it was. 1 when
  // every byte was written; 0, and no file made, when there are no bytes ("SIZE" missing or
  // not above 0), "DATA" does not hold the bytes "SIZE" announces, or the write fails.
  int exportFile(const char* path);
};
