// The common base of the matrix proxies; it adds no members to the math base.
#pragma once

#include "docproxy/prxMathBaseC.h"

class prxMatrixBaseC : public prxMathBaseC {
 public:
  static constexpr const char* proxyTypeName = "class prxMatrixBaseC *";

  prxMatrixBaseC() : prxMathBaseC(0) {}

  const char* getTypeName() override { return proxyTypeName; }
  void* getNativePointer() override { return this; }
};
