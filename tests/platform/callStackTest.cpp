#include "platform/callStack.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

__attribute__((noinline)) void captureHere(uint64_t* record, int depth) {
  captureStack(record, depth);
  asm volatile("" ::: "memory");  // keeps the call from becoming a tail call
}

// Captures the stack twice: whole, and from this function's return address on.
__attribute__((noinline)) void captureFromCaller(uint64_t* whole, uint64_t* fromCaller) {
  captureStack(whole, 16);
  captureStackFrom(whole[1], fromCaller, 16);
  asm volatile("" ::: "memory");
}

uint64_t addressOf(const void* frame) { return reinterpret_cast<uintptr_t>(frame); }

}  // namespace

TEST(callStack, CaptureBeginsInItsCaller) {
  uint64_t record[16];
  captureHere(record, 16);
  uint64_t function = reinterpret_cast<uintptr_t>(&captureHere);
  EXPECT_GT(record[0], function);
  EXPECT_LT(record[0] - function, 256u);
  int count = 0;
  while (count < 16 && record[count]) ++count;
  EXPECT_GE(count, 3);

  uint64_t small[2];
  captureHere(small, 2);
  EXPECT_EQ(small[0], record[0]);
  EXPECT_NE(small[1], 0u);

  uint64_t whole[16], fromCaller[16];
  captureFromCaller(whole, fromCaller);
  EXPECT_EQ(fromCaller[0], whole[1]);
  EXPECT_EQ(fromCaller[1], whole[2]);
  captureStackFrom(0x10, fromCaller, 16);  // not on the stack: from the caller on
  EXPECT_NE(fromCaller[0], 0u);
}

TEST(callStack, FramePointerWalkFollowsTheChainAndDetectsBreaks) {
  // Three frames upwards in memory: each holds the next frame's address and a return address.
  uint64_t stack[8] = {};
  auto frame = [&](int index) { return addressOf(&stack[index]); };
  stack[0] = frame(2), stack[1] = 0x1111;
  stack[2] = frame(6), stack[3] = 0x2222;
  stack[6] = 0, stack[7] = 0x3333;
  uint64_t record[16];
  EXPECT_TRUE(walkFramePointers(0x9999, frame(0), record, 16));
  EXPECT_EQ(record[0], 0x9999u);
  EXPECT_EQ(record[1], 0x1111u);
  EXPECT_EQ(record[2], 0x2222u);
  EXPECT_EQ(record[3], 0x3333u);
  EXPECT_EQ(record[4], 0u);

  uint64_t full[3];
  EXPECT_TRUE(walkFramePointers(0x9999, frame(0), full, 3));
  EXPECT_EQ(full[2], 0x2222u);

  stack[2] = frame(0);  // a link down the stack
  EXPECT_FALSE(walkFramePointers(0x9999, frame(0), record, 16));
  EXPECT_EQ(record[2], 0x2222u);
  EXPECT_EQ(record[3], 0u);
  stack[2] = frame(2) + 8 * 8193;  // a jump of more than 64 KiB
  EXPECT_FALSE(walkFramePointers(0x9999, frame(0), record, 16));
  EXPECT_FALSE(walkFramePointers(0x9999, 0x10, record, 16));  // a frame that cannot be read
  EXPECT_EQ(record[0], 0x9999u);
  EXPECT_EQ(record[1], 0u);
  EXPECT_FALSE(walkFramePointers(0x9999, 0, record, 16));
  EXPECT_EQ(record[1], 0u);
}
