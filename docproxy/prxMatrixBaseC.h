// The common base of the matrix proxies; it adds no members to the math base.
#pragma once

#include "docproxy/prxMathBaseC.h"

class prxMatrixBaseC : public prxMathBaseC {
 public:
  prxMatrixBaseC() : prxMathBaseC(0) { setClass(description); }

  void* getNativePointer() override { return this; }

  static inline const proxyClassC description{"class prxMatrixBaseC *", nullptr, &prxMathBaseC::description};
};
