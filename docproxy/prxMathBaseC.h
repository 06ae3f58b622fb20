// The base of every script-visible vector and matrix: a plain proxy, not a view of a tree
// node, whose one member Factory hands out a new math factory on every read.
#pragma once

#include <cstdint>

#include "proxy/proxyObjectC.h"

class prxMathBaseC : public proxyObjectC {
 public:
  static constexpr const char* proxyTypeName = "class prxMathBaseC *";

  explicit prxMathBaseC(uint8_t takeReference);

  const char* getTypeName() override;
  void* getNativePointer() override;

  static const proxyMethodEntryS* buildMethodTable();
};
