#include "model3d/bodyFeatures/m3dFeatForeignC.h"

#include <cstring>
#include <string>

#include "base/binaryPayload.h"
#include "core/metaTreeC.h"
#include "platform/binaryFile.h"
#include "platform/fileReplacement.h"

namespace {

// The largest file whose payload text, with its terminator, fits a str (as writeBinaryPayload
// requires).
constexpr uint64_t largestPayload = (uint64_t(0x7FFFFFFD) * 6) / 8;

const char* fileNameOf(const char* path) {
  if (const char* slash = std::strrchr(path, '/')) return slash + 1;
  if (const char* backslash = std::strrchr(path, '\\')) return backslash + 1;
  return path;
}

}  // namespace

int m3dFeatForeignC::importFile(const char* formatName, const char* formatVersion, const char* path) {
  if (!node) return 0;
  m3dFeatForeignInfoC info = getFeatInfo();
  info.setFormatName(formatName);
  info.setFormatVersion(formatVersion);
  info.setFileName(path ? fileNameOf(path) : "");
  while (metaTreeC* old = findChild("FEATDATA")) {
    metaTreeC::unlink(old);
    metaTreeC::deleteTree(old);
    ++metaTreeChangeCounter;
  }
  metaObjectC data(metaTreeC::appendWordChild(node, "FEATDATA"), 0);
  std::string bytes;
  if (!binaryFile::readRegularFile(path, bytes, largestPayload)) return 0;
  data.writeBinaryPayload(bytes.data(), int(bytes.size()), 0);
  return 1;
}

int m3dFeatForeignC::exportFile(const char* path) {
  const metaObjectC data(findChild("FEATDATA"), 0);
  if (!data.isValid() || !path) return 0;
  const int size = metaObjectC(data.findChild("SIZE"), 0).getInt();
  if (size <= 0) return 0;
  const str& text = metaObjectC(data.findChild("DATA"), 0).getNodeStringValue();
  if (uint64_t(text.length()) < binaryPayload::encodedLength(uint64_t(size))) return 0;
  std::string bytes(size_t(size), '\0');
  if (data.readBinaryPayload(bytes.data(), size) != size) return 0;
  return fileReplacement::replaceFile(path, bytes) ? 1 : 0;
}
