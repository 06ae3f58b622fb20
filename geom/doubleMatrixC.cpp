#include "geom/doubleMatrixC.h"

#include <algorithm>

namespace {

uint32_t valueCount(uint32_t rows, uint32_t columns) {
  uint64_t count = uint64_t(rows) * columns;
  return memManDataPoolC<double>::bytesFor(count) / sizeof(double);
}

}  // namespace

doubleMatrixC::doubleMatrixC(uint32_t rows, uint32_t columns)
    : memManDataPoolC<double>(valueCount(rows, columns)), rowCount(rows), columnCount(columns) {}

void doubleMatrixC::resize(uint32_t rows, uint32_t columns) {
  if (rows == rowCount && columns == columnCount) return;
  uint32_t count = valueCount(rows, columns);
  if (count == 0) {
    freeData();
  } else {
    memManDataPoolC<double> resized(count);
    uint32_t keptRows = std::min(rowCount, rows);
    uint32_t keptColumns = std::min(columnCount, columns);
    if (data) {
      for (uint32_t r = 0; r < keptRows; ++r)
        for (uint32_t c = 0; c < keptColumns; ++c) resized.data[size_t(r) * columns + c] = at(r, c);
    }
    freeData();
    std::swap(data, resized.data);
    std::swap(size, resized.size);
  }
  rowCount = rows;
  columnCount = columns;
}
