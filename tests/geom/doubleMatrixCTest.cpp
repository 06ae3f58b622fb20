#include "geom/doubleMatrixC.h"

#include <gtest/gtest.h>

#include "memman/memManPoolC.h"

TEST(doubleMatrixC, ResizeKeepsTheOverlapAndZeroesTheRest) {
  doubleMatrixC empty(0, 3);
  EXPECT_EQ(empty.data, nullptr);
  EXPECT_EQ(empty.columnCount, 3u);

  doubleMatrixC m(2, 2);
  for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(m.data[i], 0.0);
  m.at(0, 0) = 1;
  m.at(0, 1) = 2;
  m.at(1, 0) = 3;
  m.at(1, 1) = 4;
  double* before = m.data;
  m.resize(2, 2);
  EXPECT_EQ(m.data, before);

  m.resize(3, 3);
  EXPECT_EQ(m.size, 9 * sizeof(double));
  const double grown[] = {1, 2, 0, 3, 4, 0, 0, 0, 0};
  for (uint32_t i = 0; i < 9; ++i) EXPECT_EQ(m.data[i], grown[i]) << i;

  m.at(2, 2) = 9;
  m.resize(1, 4);
  EXPECT_EQ(memDataPoolBlockSize(m.data), 4 * sizeof(double));
  const double reshaped[] = {1, 2, 0, 0};
  for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(m.data[i], reshaped[i]) << i;

  m.resize(0, 5);
  EXPECT_EQ(m.data, nullptr);
  EXPECT_EQ(m.size, 0u);
  EXPECT_EQ(m.rowCount, 0u);
  EXPECT_EQ(m.columnCount, 5u);

  m.resize(2, 3);
  EXPECT_EQ(m.count(), 6u);
  for (uint32_t i = 0; i < 6; ++i) EXPECT_EQ(m.data[i], 0.0);

  doubleMatrixC copy(m);
  EXPECT_EQ(copy.rowCount, 2u);
  EXPECT_EQ(copy.at(1, 2), 0.0);
}

TEST(doubleMatrixC, ShapeBeyondTheBufferSizeIsRefused) {
  EXPECT_DEATH(doubleMatrixC(65536, 65536), "out of memory");
}
