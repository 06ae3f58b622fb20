#include "memman/memSlotArenaC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "memman/memManPoolC.h"
#include "memman/memManPoolInspect.h"
#include "tests/captureDebugOutput.h"

namespace {

std::string refusalOf(void* block) {
  captureDebugOutput capture;
  memSlotArenaC::giveBack(block);
  return capture.text.substr(0, capture.text.find('\n') + 1);
}

}  // namespace

TEST(memSlotArenaC, BlocksAreNumberedCountedAndRefusedOnceFree) {
  uint32_t outstanding = memPoolOutstandingCount();
  void* first = memSlotArenaC::take();
  void* second = memSlotArenaC::take();
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 2);
  for (void* block : {first, second}) {
    uint32_t number = memSlotArenaC::numberOf(block);
    EXPECT_NE(number, 0u);
    EXPECT_EQ(memSlotArenaC::at(number), block);
    EXPECT_EQ(memDataPoolBlockSize(block), memSlotArenaC::slotBytes);
    std::memset(block, 0xA5, memSlotArenaC::slotBytes);
  }

  // Addresses that are no block of the arena have no number and are refused.
  int onStack = 0;
  void* heapBlock = memDataPoolAlloc(32);
  auto* inside = static_cast<unsigned char*>(first) + 8;
  for (void* foreign : {static_cast<void*>(&onStack), heapBlock, static_cast<void*>(inside)}) {
    EXPECT_EQ(memSlotArenaC::numberOf(foreign), 0u);
    EXPECT_EQ(refusalOf(foreign), "free called on unknown object\n");
  }
  EXPECT_EQ(memSlotArenaC::numberOf(nullptr), 0u);
  memDataPoolFree(heapBlock);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 2);

  // A freed block is refused a second time.
  memSlotArenaC::giveBack(second);
  EXPECT_EQ(memDataPoolBlockSize(second), 0u);
  EXPECT_EQ(refusalOf(second), "free called on free object\n");
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 1);
  memSlotArenaC::giveBack(first);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}

TEST(memSlotArenaC, FreeChunksGoBackToTheSystemAndLiveBlocksKeepTheirBytes) {
  // More blocks than a chunk holds, so that whole chunks fall free.
  constexpr uint32_t count = 200000;
  std::vector<void*> blocks(count);
  for (uint32_t i = 0; i < count; ++i) {
    blocks[i] = memSlotArenaC::take();
    ASSERT_NE(blocks[i], nullptr);
    std::memcpy(blocks[i], &i, sizeof i);
  }
  uint32_t live = memSlotArenaC::liveCount();
  uint64_t held = memSlotArenaC::bytesHeld();
  // Every fourth block of the first half stays; the rest goes.
  std::vector<void*> kept;
  for (uint32_t i = 0; i < count; ++i) {
    if (i < count / 2 && i % 4 == 0) kept.push_back(blocks[i]);
    else memSlotArenaC::giveBack(blocks[i]);
  }
  memSlotArenaC::releaseFreeMemory();
  EXPECT_LT(memSlotArenaC::bytesHeld(), held);
  EXPECT_EQ(memSlotArenaC::liveCount(), live - (count - kept.size()));
  for (size_t k = 0; k < kept.size(); ++k) {
    uint32_t value;
    std::memcpy(&value, kept[k], sizeof value);
    EXPECT_EQ(value, uint32_t(k * 4));
    EXPECT_EQ(memDataPoolBlockSize(kept[k]), memSlotArenaC::slotBytes);
  }

  // Taking again fills the free slots and the given-back chunks, never a live block twice.
  std::vector<void*> again(count);
  for (uint32_t i = 0; i < count; ++i) {
    again[i] = memSlotArenaC::take();
    ASSERT_NE(again[i], nullptr);
    std::memset(again[i], 0x5A, memSlotArenaC::slotBytes);
  }
  for (size_t k = 0; k < kept.size(); ++k) {
    uint32_t value;
    std::memcpy(&value, kept[k], sizeof value);
    EXPECT_EQ(value, uint32_t(k * 4));
  }
  for (void* block : again) memSlotArenaC::giveBack(block);
  for (void* block : kept) memSlotArenaC::giveBack(block);
  EXPECT_EQ(memSlotArenaC::liveCount(), live - count);
}
