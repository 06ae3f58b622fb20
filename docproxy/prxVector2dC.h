// A script's 2D vector: one vectorC2d<double> with component access and arithmetic that
// returns new vectors.
#pragma once

#include <cstdint>

#include "docproxy/prxVectorBaseC.h"
#include "geom/vectorC2d.h"

class prxVector2dC : public prxVectorBaseC {
 public:
  static constexpr const char* proxyTypeName = "class prxVector2dC *";

  // (0, 0).
  explicit prxVector2dC(uint8_t takeReference = 0);
  prxVector2dC(uint8_t takeReference, const vectorC2d<double>& value);

  const char* getTypeName() override;
  void* getNativePointer() override;

  vectorC2d<double>& getValue() { return value; }
  const vectorC2d<double>& getValue() const { return value; }

  // The class's own rows; the math base's stand behind them.
  static const proxyMethodEntryS* buildMethodTable();

 private:
  vectorC2d<double> value;
};
