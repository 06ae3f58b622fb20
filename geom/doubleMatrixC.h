// A matrix of doubles stored by rows: value (r, c) at r * columnCount + c.
#pragma once

#include <cstdint>

#include "memman/memManDataPoolC.h"

class doubleMatrixC : public memManDataPoolC<double> {
 public:
  uint32_t rowCount = 0;
  uint32_t columnCount = 0;

  // Every value 0.0; no buffer when the matrix holds no value.
  doubleMatrixC(uint32_t rows, uint32_t columns);

  // Keeps the values of the rows and columns both shapes have, at their places; every other
  // value becomes 0.0. A shape without values frees the buffer but keeps its counts.
  void resize(uint32_t rows, uint32_t columns);

  double& at(uint32_t row, uint32_t column) { return data[size_t(row) * columnCount + column]; }
  double at(uint32_t row, uint32_t column) const { return data[size_t(row) * columnCount + column]; }
};
