#include "memman/memManDataPoolC.h"

#include <gtest/gtest.h>

#include "memman/memManPoolC.h"
#include "memman/memManPoolInspect.h"

TEST(memManDataPoolC, BuffersOfNumbersAreMadeCopiedAndFreed) {
  uint32_t outstanding = memPoolOutstandingCount();
  {
    memManDataPoolC<double> none(0u);
    EXPECT_EQ(none.data, nullptr);
    memManDataPoolC<double> zeros(3);
    EXPECT_EQ(zeros.size, 24u);
    for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(zeros.data[i], 0.0);

    const double values[] = {1.5, 2.5, 3.5};
    memManDataPoolC<double> fromValues(values, 3);
    EXPECT_EQ(fromValues.count(), 3u);
    EXPECT_EQ(fromValues.data[2], 3.5);
    EXPECT_EQ(memManDataPoolC<double>(nullptr, 3).data, nullptr);
    EXPECT_EQ(memManDataPoolC<double>(values, 0).data, nullptr);

    memManDataPoolC<double> copy(fromValues);
    EXPECT_NE(copy.data, fromValues.data);
    EXPECT_EQ(copy.data[1], 2.5);

    // A buffer whose byte size is no multiple of a value copies and assigns whole values only.
    memManDataPoolC<double> ragged(values, 2);
    ragged.resizeBytes(12);
    EXPECT_EQ(ragged.data[0], 1.5);
    memManDataPoolC<double> raggedCopy(ragged);
    EXPECT_EQ(raggedCopy.size, 8u);
    ragged.resizeBytes(4);
    memManDataPoolC<double> tooSmall(ragged);
    EXPECT_EQ(tooSmall.data, nullptr);
    EXPECT_EQ(tooSmall.size, 0u);

    copy = ragged;
    EXPECT_EQ(copy.size, 0u);
    copy = fromValues;
    EXPECT_EQ(copy.size, 24u);
    EXPECT_EQ(copy.data[2], 3.5);
    double* before = copy.data;
    copy = copy;
    EXPECT_EQ(copy.data, before);

    copy.setCount(5);
    EXPECT_EQ(copy.count(), 5u);
    EXPECT_EQ(memDataPoolBlockSize(copy.data), 40u);
    copy.freeData();
    EXPECT_EQ(copy.data, nullptr);
    EXPECT_EQ(copy.size, 0u);
    copy = fromValues;
    EXPECT_EQ(copy.data[0], 1.5);
  }
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}

TEST(memManDataPoolC, BufferBeyondTheSizeFieldIsRefused) {
  EXPECT_DEATH(memManDataPoolC<double>::bytesFor(uint64_t(1) << 29), "out of memory \\(4294967296 bytes\\)");
  EXPECT_EQ(memManDataPoolC<double>::bytesFor((uint64_t(1) << 29) - 1), 4294967288u);
}
