// Test helpers for references: stored payload texts and raw reads that run no hook.
#pragma once

#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"

namespace referenceTest {

// The stored REFTRGPTR of a reference whose position code is code.
inline std::string payloadText(uint32_t code) {
  metaObjectC scratch(metaTreeC::newWithKeyword("REFTRGPTR"), 1);
  const uint8_t bytes[4] = {uint8_t(code), uint8_t(code >> 8), uint8_t(code >> 16), uint8_t(code >> 24)};
  scratch.writeBinaryPayload(bytes, 4, 0);
  return scratch.writeToStringValue(1, 0).c_str();
}

// Parses text without running the load hooks, so stored codes stay as they are.
inline metaTreeC* parseRaw(const std::string& text) {
  metaTreeReaderC reader;
  reader.openString(text.c_str());
  return reader.read(0);
}

// The 4-byte payload under the reference node as stored, or -1 when it does not read.
inline int64_t storedCode(const metaTreeC* reference) {
  metaObjectC view(const_cast<metaTreeC*>(reference), 0);
  uint8_t bytes[4] = {0, 0, 0, 0};
  if (metaObjectC(view.findChild("REFTRGPTR"), 0).readBinaryPayload(bytes, 4) != 4) return -1;
  return int64_t(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
}

}  // namespace referenceTest
