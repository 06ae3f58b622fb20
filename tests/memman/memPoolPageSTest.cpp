#include "memman/memPoolPageS.h"

#include <gtest/gtest.h>

#include <memory>

// The free path takes a header for a handed-out slot's only by the page's offsets and its
// multiply-and-compare divisibility test: both must agree with plain division at every offset
// of the frame and beyond, for every class, with and without location tracking.
TEST(memPoolPageS, OnlyHandedOutSlotStartsPassInEveryClass) {
  auto page = std::make_unique<memPoolPageS>();
  for (uint32_t headerSize : {8u, 136u}) {
    for (uint32_t elementSize = 8; elementSize <= 2048; elementSize += 8) {
      initPoolPage(page.get(), elementSize, headerSize);
      EXPECT_FALSE(page->hasFreeBlock());
      for (uint32_t i = 0; i < page->capacity / 2 + 1; ++i) ASSERT_NE(page->setUpNextSlot(), nullptr);
      uint32_t stride = page->stride;
      for (uint32_t offset = 0; offset < sizeof(memPoolPageS) + stride; ++offset) {
        bool expected = offset % stride == 0 && offset / stride >= page->firstSetUp && offset / stride < page->capacity;
        ASSERT_EQ(page->startsHandedOutSlot(offset), expected) << headerSize << " " << elementSize << " " << offset;
      }
      for (uint32_t offset : {0x80000000u, 0xFFFFFFFFu - 7, stride * 65536u})
        EXPECT_FALSE(page->startsHandedOutSlot(offset)) << elementSize << " " << offset;
    }
  }
}

// The free list ends at the block area's end, which the list links and the list head name
// alike; what a page hands out comes back in the order it was freed, last first.
TEST(memPoolPageS, FreeListLinksEndAtTheBlockArea) {
  auto page = std::make_unique<memPoolPageS>();
  initPoolPage(page.get(), 24, 8);
  memPoolBlockHeaderS* first = page->setUpNextSlot();
  memPoolBlockHeaderS* second = page->setUpNextSlot();
  EXPECT_EQ(page->linkTo(page->freeEnd()), memPoolBlockArea);
  for (memPoolBlockHeaderS* header : {first, second}) {
    header->sizeOrLink = page->linkTo(page->freeHead);
    page->freeHead = header;
  }
  ASSERT_TRUE(page->hasFreeBlock());
  EXPECT_EQ(page->freeHead, second);
  EXPECT_EQ(page->blockAtLink(second->sizeOrLink), first);
  EXPECT_EQ(page->blockAtLink(first->sizeOrLink), page->freeEnd());
  page->freeHead = page->blockAtLink(first->sizeOrLink);
  EXPECT_FALSE(page->hasFreeBlock());
}
