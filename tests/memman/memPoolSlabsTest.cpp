#include "memman/memPoolSlabs.h"

#include <gtest/gtest.h>

#include <vector>

TEST(memPoolSlabs, FramesFindTheirSlabAndEmptiedSlabsAreKeptUpToTheBound) {
  // Slabs that earlier tests emptied would serve the frames below without mapping anything.
  memPoolReleaseRetainedSlabs();
  uint32_t slabsBefore = memPoolSlabCount();
  // Enough frames that the index of slabs grows and whole slabs empty beyond the bound. The
  // free frames of slabs in use are handed out first; then each new slab is filled before the
  // next is mapped.
  std::vector<memPoolPageS*> frames;
  const uint32_t newSlabs = memPoolRetainedSlabs + 8;
  size_t framesBeforeNewSlabs = 0;
  while (memPoolSlabCount() < slabsBefore + newSlabs) {
    frames.push_back(memPoolTakeFrame());
    if (memPoolSlabCount() == slabsBefore) framesBeforeNewSlabs = frames.size();
    ASSERT_LE(frames.size(), size_t(slabsBefore + newSlabs) * memPoolFramesPerSlab);
  }
  EXPECT_EQ(frames.size() - framesBeforeNewSlabs, size_t(newSlabs - 1) * memPoolFramesPerSlab + 1);
  while (frames.size() < framesBeforeNewSlabs + size_t(newSlabs) * memPoolFramesPerSlab)
    frames.push_back(memPoolTakeFrame());
  EXPECT_EQ(memPoolSlabCount(), slabsBefore + newSlabs);

  for (memPoolPageS* frame : frames) {
    auto* bytes = reinterpret_cast<unsigned char*>(frame);
    ASSERT_EQ(reinterpret_cast<uintptr_t>(frame) % 64, 0u);
    uint32_t offset = 0;
    ASSERT_EQ(memPoolFrameOf(bytes + 123, offset), frame);
    EXPECT_EQ(offset, 123u);
    ASSERT_EQ(memPoolFrameOf(bytes + sizeof(memPoolPageS) - 1, offset), frame);
    EXPECT_EQ(offset, sizeof(memPoolPageS) - 1);
  }
  auto* slabBase = reinterpret_cast<unsigned char*>(reinterpret_cast<uintptr_t>(frames[0]) & ~(memPoolSlabBytes - 1));
  uint32_t offset = 0;
  EXPECT_EQ(memPoolFrameOf(slabBase + memPoolFramesPerSlab * sizeof(memPoolPageS), offset), nullptr);  // bookkeeping
  int onTheStack = 0;
  EXPECT_EQ(memPoolFrameOf(&onTheStack, offset), nullptr);
  EXPECT_EQ(memPoolFrameOf(nullptr, offset), nullptr);

  uint32_t mapped = memPoolSlabCount();
  for (memPoolPageS* frame : frames) memPoolGiveFrame(frame, false);
  EXPECT_LE(memPoolRetainedSlabCount(), memPoolRetainedSlabs);
  EXPECT_GE(memPoolRetainedSlabCount(), memPoolRetainedSlabs - 1);
  EXPECT_LE(memPoolSlabCount(), mapped - 7);
  // Frames still find the slabs that stay; a kept slab hands out its first frame again.
  for (memPoolPageS* frame : frames) {
    memPoolPageS* found = memPoolFrameOf(frame, offset);
    EXPECT_TRUE(found == frame || found == nullptr);
  }
  memPoolPageS* reused = memPoolTakeFrame();
  EXPECT_EQ(memPoolFrameOf(reused, offset), reused);
  memPoolGiveFrame(reused, false);

  memPoolReleaseRetainedSlabs();
  EXPECT_EQ(memPoolRetainedSlabCount(), 0u);
  EXPECT_LE(memPoolSlabCount(), slabsBefore);
  for (memPoolPageS* frame : frames) {
    memPoolPageS* found = memPoolFrameOf(frame, offset);
    EXPECT_TRUE(found == nullptr || found == frame);
  }
}
