#include "memman/memManPoolC.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "memman/memManPoolInspect.h"
#include "memman/memTrackHooks.h"
#include "tests/captureDebugOutput.h"
#include "tests/memman/memTrackChildProcess.h"
#include "tests/memman/memPoolTestBlocks.h"

namespace {

const unsigned char* slotPayload(const memPoolPageS* page, uint32_t index) {
  return page->blocks + size_t(index) * page->stride + memPoolHeaderSize();
}

// Stride and capacity of a page of the size that holds block, as the header size dictates.
struct pageShape {
  uint32_t stride, capacity;
};

pageShape expectedShape(uint32_t elementSize) {
  uint32_t headerSize = memPoolHeaderSize();
  struct row {
    uint32_t elementSize;
    pageShape plain, tracked;
  };
  const row table[] = {{8, {16, 625}, {144, 69}},
                       {16, {24, 416}, {152, 65}},
                       {1024, {1032, 9}, {1160, 8}},
                       {2048, {2056, 4}, {2184, 4}}};
  for (const row& r : table)
    if (r.elementSize == elementSize) return headerSize == 136 ? r.tracked : r.plain;
  return {0, 0};
}

}  // namespace

TEST(memManPoolC, SizeClassesAndLargeBlocks) {
  memPoolTestBlocks held;
  for (uint32_t size = 1; size <= 8; ++size)
    EXPECT_EQ(memPoolPageOfBlock(held.take(size))->elementSize, 8u) << size;
  EXPECT_EQ(memPoolPageOfBlock(held.take(9))->elementSize, 16u);
  EXPECT_EQ(memPoolPageOfBlock(held.take(16))->elementSize, 16u);
  EXPECT_EQ(memPoolPageOfBlock(held.take(1020))->elementSize, 1024u);
  EXPECT_EQ(memPoolPageOfBlock(held.take(2048))->elementSize, 2048u);
  for (uint32_t elementSize : {8u, 16u, 1024u, 2048u}) {
    const memPoolPageS* page = memPoolPageOfBlock(held.take(elementSize));
    EXPECT_EQ(page->stride, expectedShape(elementSize).stride) << elementSize;
    EXPECT_EQ(page->capacity, expectedShape(elementSize).capacity) << elementSize;
    EXPECT_EQ(page->magic, memPoolPageMagic);
  }
  EXPECT_EQ(memDataPoolBlockSize(held.blocks[2]), 3u);

  uint32_t outstanding = memPoolOutstandingCount();
  void* large = memDataPoolAlloc(2049);
  void* empty = memDataPoolAlloc(0);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 2);
  EXPECT_EQ(memPoolPageOfBlock(large), nullptr);
  EXPECT_EQ(memPoolBlockOwner(large), memPoolOwnerLarge);
  EXPECT_EQ(memDataPoolBlockSize(large), 2049u);
  std::memset(large, 0x5A, 2049);
  EXPECT_EQ(memPoolBlockOwner(empty), memPoolOwnerLarge);
  EXPECT_EQ(memDataPoolBlockSize(empty), 0u);
  memDataPoolFree(large);
  memDataPoolFree(empty);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}

TEST(memManPoolC, FreshPageHandsOutItsHighestBlockFirst) {
  memPoolTestBlocks held;
  held.drainClassAndSpare(40);
  uint32_t pages = memPoolPageCount();
  unsigned char* first = static_cast<unsigned char*>(held.take(40));
  const memPoolPageS* page = memPoolPageOfBlock(first);
  EXPECT_EQ(memPoolPageCount(), pages + 1);
  EXPECT_EQ(page->used, 1u);
  EXPECT_EQ(first, slotPayload(page, page->capacity - 1));
  unsigned char* second = static_cast<unsigned char*>(held.take(33));
  EXPECT_EQ(memPoolPageOfBlock(second), page);
  EXPECT_EQ(second, first - page->stride);
  EXPECT_EQ(memDataPoolBlockSize(second), 33u);
}

TEST(memManPoolC, FullPageLeavesItsClassListAndComesBackAtTheFront) {
  const uint32_t size = 200, sizeClass = sizeClassOf(size);
  memPoolTestBlocks held;
  held.drainClass(size);
  void* first = held.take(size);
  const memPoolPageS* full = memPoolPageOfBlock(first);
  while (full->used < full->capacity) held.take(size);
  EXPECT_EQ(memPoolFullListHead(), full);
  EXPECT_EQ(memPoolClassListHead(sizeClass), nullptr);

  const memPoolPageS* next = memPoolPageOfBlock(held.take(size));
  EXPECT_NE(next, full);
  EXPECT_EQ(memPoolClassListHead(sizeClass), next);

  held.give(first);
  EXPECT_EQ(memPoolClassListHead(sizeClass), full);
  EXPECT_EQ(full->next, next);
  EXPECT_NE(memPoolFullListHead(), full);
  EXPECT_EQ(held.take(size), first);
  EXPECT_EQ(memPoolFullListHead(), full);
  EXPECT_EQ(memPoolClassListHead(sizeClass), next);
  EXPECT_EQ(next->previous, nullptr);
}

TEST(memManPoolC, EmptiedPageIsKeptOnlyAsItsClassesOnlyPage) {
  const uint32_t size = 328, sizeClass = sizeClassOf(size);
  memPoolTestBlocks held;
  held.drainClass(size);
  std::vector<void*> onFirst;
  onFirst.push_back(held.take(size));
  const memPoolPageS* first = memPoolPageOfBlock(onFirst[0]);
  while (first->used < first->capacity) onFirst.push_back(held.take(size));
  void* onSecond = held.take(size);
  const memPoolPageS* second = memPoolPageOfBlock(onSecond);
  uint32_t pages = memPoolPageCount();

  for (void* block : onFirst) held.give(block);
  EXPECT_EQ(memPoolPageCount(), pages - 1);
  EXPECT_EQ(memPoolClassListHead(sizeClass), second);
  EXPECT_EQ(second->next, nullptr);

  held.give(onSecond);
  EXPECT_EQ(memPoolPageCount(), pages - 1);
  EXPECT_EQ(memPoolClassListHead(sizeClass), second);
  EXPECT_EQ(second->used, 0u);
  EXPECT_EQ(memPoolPageOfBlock(held.take(size)), second);
}

TEST(memManPoolC, ReallocAlwaysMovesAndKeepsWhatFits) {
  memPoolTestBlocks held;
  uint32_t outstanding = memPoolOutstandingCount();
  auto* bytes = static_cast<unsigned char*>(memDataPoolAlloc(100));
  for (int i = 0; i < 100; ++i) bytes[i] = static_cast<unsigned char>(i);

  auto* smaller = static_cast<unsigned char*>(memDataPoolRealloc(bytes, 50));
  EXPECT_NE(smaller, bytes);
  EXPECT_EQ(memDataPoolBlockSize(smaller), 50u);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(smaller[i], i);

  auto* sameClass = static_cast<unsigned char*>(memDataPoolRealloc(smaller, 52));
  EXPECT_NE(sameClass, smaller);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(sameClass[i], i);

  auto* larger = static_cast<unsigned char*>(memDataPoolRealloc(sameClass, 3000));
  EXPECT_EQ(memPoolBlockOwner(larger), memPoolOwnerLarge);
  for (int i = 0; i < 50; ++i) ASSERT_EQ(larger[i], i);

  void* emptied = memDataPoolRealloc(larger, 0);
  EXPECT_EQ(memPoolBlockOwner(emptied), memPoolOwnerLarge);
  EXPECT_EQ(memDataPoolBlockSize(emptied), 0u);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 1);
  memDataPoolFree(emptied);

  void* fresh = memDataPoolRealloc(nullptr, 24);
  EXPECT_EQ(memPoolPageOfBlock(fresh)->elementSize, 24u);
  EXPECT_EQ(memDataPoolBlockSize(fresh), 24u);
  memDataPoolFree(fresh);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}

TEST(memManPoolC, DoubleFreeIsReportedAndChangesNothing) {
  const uint32_t size = 72, sizeClass = sizeClassOf(size);
  memPoolTestBlocks held;
  held.take(size);
  void* twice = memDataPoolAlloc(size);
  const memPoolPageS* page = memPoolPageOfBlock(twice);
  memDataPoolFree(twice);
  uint32_t outstanding = memPoolOutstandingCount();
  uint32_t used = page->used;
  const memPoolBlockHeaderS* freeHead = page->freeHead;
  {
    captureDebugOutput capture;
    memDataPoolFree(twice);
    EXPECT_EQ(capture.text.rfind("free called on free object\n", 0), 0u) << capture.text;
  }
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
  EXPECT_EQ(page->used, used);
  EXPECT_EQ(page->freeHead, freeHead);
  EXPECT_EQ(memPoolClassListHead(sizeClass), page);
  EXPECT_EQ(memDataPoolBlockSize(twice), 0u);
  EXPECT_EQ(held.take(size), twice);
}

TEST(memManPoolC, PointersThatNameNoBlockAreRefused) {
  memPoolTestBlocks held;
  auto* live = static_cast<unsigned char*>(held.take(64));
  const memPoolPageS* page = memPoolPageOfBlock(live);
  uint32_t outstanding = memPoolOutstandingCount();
  uint32_t used = page->used;

  alignas(8) unsigned char foreign[256] = {};
  unsigned char* payload = foreign + memPoolHeaderSize();
  auto* header = reinterpret_cast<memPoolBlockHeaderS*>(foreign);
  // An owner word naming no page, a fresh slot's owner, and a real page's number for an
  // address that is not one of its slots (inside a live block's payload).
  for (uint32_t owner : {0x7FFFFFF0u, memPoolOwnerFresh}) {
    header->owner = owner;
    header->sizeOrLink = 16;
    captureDebugOutput capture;
    memDataPoolFree(payload);
    EXPECT_EQ(capture.text.rfind("free called on unknown object\n", 0), 0u) << capture.text;
    EXPECT_EQ(memDataPoolBlockSize(payload), 0u);
  }
  std::memcpy(live, &page->number, sizeof page->number);
  {
    captureDebugOutput capture;
    memDataPoolFree(live + memPoolHeaderSize());
    EXPECT_EQ(capture.text.rfind("free called on unknown object\n", 0), 0u) << capture.text;
  }
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
  EXPECT_EQ(page->used, used);
  EXPECT_EQ(memPoolPageOfBlock(live), page);
  memDataPoolFree(nullptr);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}

TEST(memManPoolC, WhileAReportRunsEveryBlockIsLarge) {
  memPoolTestBlocks held;
  held.take(16);
  uint32_t pages = memPoolPageCount();
  uint32_t previous = setMemPoolInReportFlag(1);
  void* during = memDataPoolAlloc(16);
  setMemPoolInReportFlag(previous);
  EXPECT_EQ(memPoolBlockOwner(during), memPoolOwnerLarge);
  EXPECT_EQ(memDataPoolBlockSize(during), 16u);
  EXPECT_EQ(memPoolPageCount(), pages);
  memDataPoolFree(during);
  EXPECT_NE(memPoolPageOfBlock(held.take(16)), nullptr);
}

namespace {

// Runs in a child process: the unload hook with a block outstanding, then the frees after it.
int unloadKeepsPagesWhileBlocksLive() {
  const uint32_t size = 456, sizeClass = sizeClassOf(size);
  memPoolTestBlocks held;
  held.drainClass(size);
  void* last = held.take(size);
  uint32_t pages = memPoolPageCount();
  { memManPoolC atUnload; }
  if (!memPoolReleaseAllFlag()) return 1;
  if (memPoolPageCount() != pages || memPoolClassListHead(sizeClass) != memPoolPageOfBlock(last)) return 2;
  held.give(last);
  if (memPoolPageCount() != pages - 1 || memPoolClassListHead(sizeClass) != nullptr) return 3;
  return 0;
}

}  // namespace

TEST(memManPoolC, UnloadReleasesPagesOnlyWithoutOutstandingBlocks) {
  EXPECT_EXIT(std::_Exit(unloadKeepsPagesWhileBlocksLive()), testing::ExitedWithCode(0), "");
  // This process's static objects hold blocks; the release is seen in a process without any.
  memTrackChildRunS run = runChildProcess(RUDEZAZE_HEAP_CHILD, nullptr, {});
  EXPECT_TRUE(WIFEXITED(run.status)) << run.err;
  EXPECT_EQ(WEXITSTATUS(run.status), 0) << "failed check " << WEXITSTATUS(run.status) << "\n" << run.err;
}

TEST(memManPoolC, ExhaustedCHeapEndsTheProcessWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the sanitizer's allocator reports the failed request itself";
#else
  auto exhaust = [] {
    rlimit limit = {size_t(1) << 30, size_t(1) << 30};
    setrlimit(RLIMIT_AS, &limit);
    memDataPoolAlloc(0xFFFFFFF0u);
  };
  memDataPoolFree(memDataPoolAlloc(1));
  std::string request = std::to_string(0xFFFFFFF0ull + memPoolHeaderSize());
  EXPECT_DEATH(exhaust(), "memory manager: out of memory \\(" + request + " bytes\\)");
#endif
}

namespace {

// Runs in a fresh process started with every switch set.
int switchesSetBeforeTheFirstBlock(const char* outputPath) {
  if (readMemTrackSwitches() != (memTrackTypeInfoBit | memTrackLeakBit | memTrackLocationBit)) return 1;
  if (std::strcmp(memTrackOutputPath(), outputPath) != 0) return 2;
  memPoolTestBlocks held;
  held.take(1);
  if (memPoolHeaderSize() != 136) return 3;
  for (uint32_t elementSize : {8u, 16u, 1024u, 2048u}) {
    const memPoolPageS* page = memPoolPageOfBlock(held.take(elementSize));
    if (page->stride != expectedShape(elementSize).stride || page->capacity != expectedShape(elementSize).capacity)
      return 4;
  }
  void* large = held.take(5000);
  auto* header = reinterpret_cast<memPoolBlockHeaderS*>(static_cast<unsigned char*>(large) - 136);
  if (header->owner != memPoolOwnerLarge || header->sizeOrLink != 5000) return 5;
  return 0;
}

// Runs in a fresh process with no switch but an output path too long for its buffer.
int overlongOutputPathIsRefused() {
  memDataPoolFree(memDataPoolAlloc(1));
  if (readMemTrackSwitches() != 0 || memPoolHeaderSize() != 8) return 1;
  return memTrackOutputPath()[0] == 0 ? 0 : 2;
}

struct environmentVariable {
  const char* name;
  environmentVariable(const char* n, const std::string& value) : name(n) { setenv(name, value.c_str(), 1); }
  ~environmentVariable() { unsetenv(name); }
};

}  // namespace

TEST(memManPoolC, SwitchesAreReadBeforeTheFirstBlock) {
  // Each check runs in a freshly started process that reads the switches anew.
  std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  {
    // A switch counts as set whatever its value, the empty one included.
    environmentVariable location("MZMEMTRACK_LOCATION", "");
    environmentVariable leak("MZMEMTRACK_LEAK", "0");
    environmentVariable typeInfo("MZMEMTRACK_TYPEINFO", "no");
    environmentVariable output("MZMEMTRACK_OUTPUT", "/tmp/rudezaze-memtrack.log");
    EXPECT_EXIT(std::_Exit(switchesSetBeforeTheFirstBlock("/tmp/rudezaze-memtrack.log")),
                testing::ExitedWithCode(0), "");
  }
  {
    environmentVariable output("MZMEMTRACK_OUTPUT", "/tmp/" + std::string(140, 'x'));
    EXPECT_EXIT(std::_Exit(overlongOutputPathIsRefused()), testing::ExitedWithCode(0), "");
  }
  GTEST_FLAG_SET(death_test_style, style);
}

TEST(memManPoolC, UnderAddressSanitizerOnlyTheLiveBytesOfABlockCanBeTouched) {
#if !defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "only the sanitizer sees inside the pages";
#else
  auto* freed = static_cast<volatile char*>(memDataPoolAlloc(24));
  freed[23] = 1;
  memDataPoolFree(const_cast<char*>(freed));
  EXPECT_DEATH(freed[0] = 1, "AddressSanitizer");
  auto* block = static_cast<volatile char*>(memDataPoolAlloc(13));
  block[12] = 1;
  EXPECT_DEATH(block[13] = 1, "AddressSanitizer");
  memDataPoolFree(const_cast<char*>(block));
#endif
}

TEST(memManPoolC, AnEmptiedSecondPageIsKeptSetUpForTheClassesNextPage) {
  const uint32_t size = 360, sizeClass = sizeClassOf(size);
  memPoolTestBlocks held;
  held.drainClass(size);
  std::vector<void*> onFirst{held.take(size)};
  auto* first = const_cast<memPoolPageS*>(memPoolPageOfBlock(onFirst[0]));
  while (first->used < first->capacity) onFirst.push_back(held.take(size));
  void* onSecond = held.take(size);
  const memPoolPageS* second = memPoolPageOfBlock(onSecond);
  ASSERT_EQ(memPoolClassSpare(sizeClass), nullptr);  // opening the two pages took any spare
  uint32_t pages = memPoolPageCount();

  for (void* block : onFirst) held.give(block);
  EXPECT_EQ(memPoolPageCount(), pages - 1);  // off the lists and out of every report
  EXPECT_EQ(memPoolClassSpare(sizeClass), first);
  EXPECT_EQ(memPoolClassListHead(sizeClass), second);
  EXPECT_EQ(memPoolPageOfBlock(onFirst.back()), nullptr);
  {
    captureDebugOutput capture;
    memDataPoolFree(onFirst.back());
    EXPECT_EQ(capture.text.rfind("free called on free object\n", 0), 0u) << capture.text;
  }

  // The class's next page is the kept one, its freed blocks handed out again, last freed first.
  while (second->used < second->capacity) held.take(size);
  void* again = held.take(size);
  EXPECT_EQ(memPoolPageOfBlock(again), first);
  EXPECT_EQ(again, onFirst.back());
  EXPECT_EQ(memPoolClassSpare(sizeClass), nullptr);
  EXPECT_EQ(memPoolPageCount(), pages);
}

TEST(memManPoolC, ARunOfBlocksComesFromOnePageInOneStep) {
  const uint32_t size = 100;
  memPoolTestBlocks held;
  held.drainClass(size);
  held.give(held.take(size));  // the class's head page now has room
  const memPoolPageS* page = memPoolClassListHead(sizeClassOf(size));
  ASSERT_NE(page, nullptr);
  uint32_t room = page->capacity - page->used;
  uint32_t outstanding = memPoolOutstandingCount();
  std::vector<void*> run(room + 8);
  uint32_t given = memDataPoolAllocRun(size, run.data(), uint32_t(run.size()));
  EXPECT_EQ(given, room);  // never beyond the one page
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + given);
  std::set<void*> distinct(run.begin(), run.begin() + given);
  EXPECT_EQ(distinct.size(), size_t(given));
  for (uint32_t i = 0; i < given; ++i) {
    EXPECT_EQ(memPoolPageOfBlock(run[i]), page);
    EXPECT_EQ(memDataPoolBlockSize(run[i]), size);
    std::memset(run[i], 0x5A, size);
    held.blocks.push_back(run[i]);
  }
  EXPECT_EQ(memPoolFullListHead(), page);

  // Large sizes, reports running and runs of one give a single block.
  EXPECT_EQ(memDataPoolAllocRun(3000, run.data(), 8), 1u);
  held.blocks.push_back(run[0]);
  EXPECT_EQ(memPoolBlockOwner(run[0]), memPoolOwnerLarge);
  uint32_t previous = setMemPoolInReportFlag(1);
  EXPECT_EQ(memDataPoolAllocRun(size, run.data(), 8), 1u);
  setMemPoolInReportFlag(previous);
  held.blocks.push_back(run[0]);
  EXPECT_EQ(memPoolBlockOwner(run[0]), memPoolOwnerLarge);
  EXPECT_EQ(memDataPoolAllocRun(size, run.data(), 1), 1u);
  held.blocks.push_back(run[0]);
  EXPECT_NE(memPoolPageOfBlock(run[0]), nullptr);
}

TEST(memManPoolC, OnlyTheStartOfAHandedOutSlotNamesABlockInEveryClass) {
  memPoolTestBlocks held;
  for (uint32_t elementSize = 8; elementSize <= 2048; elementSize += 8) {
    auto* block = static_cast<unsigned char*>(held.take(elementSize));
    const memPoolPageS* page = memPoolPageOfBlock(block);
    ASSERT_NE(page, nullptr) << elementSize;
    for (uint32_t offset = 1; offset < page->stride; ++offset)
      ASSERT_EQ(memPoolPageOfBlock(block + offset), nullptr) << elementSize << " " << offset;
    // The slot below one freshly set up has never been handed out.
    uint32_t index = uint32_t(block - memPoolHeaderSize() - page->blocks) / page->stride;
    if (index == page->firstSetUp && index > 0) {
      EXPECT_EQ(memPoolPageOfBlock(block - page->stride), nullptr) << elementSize;
    }
  }
}

namespace {

// Runs in a fresh process that keeps call stacks. A free names a block only by its payload:
// the address where a block's payload would start behind a plain header (which heads a live
// slot) is refused, as are a second free and the frees of every class; nothing is counted.
int withCallStacksOnlyPayloadsAreFreed() {
  memPoolTestBlocks held;
  held.take(1);
  if (memPoolHeaderSize() != 136) return 1;
  for (uint32_t elementSize = 8; elementSize <= 2048; elementSize += 8) {
    // Two neighbouring live blocks, so that every word a refused free reads is addressable.
    auto* upper = static_cast<unsigned char*>(held.take(elementSize));
    auto* lower = static_cast<unsigned char*>(held.take(elementSize));
    const memPoolPageS* page = memPoolPageOfBlock(upper);
    while (lower + page->stride != upper) {
      upper = lower;
      lower = static_cast<unsigned char*>(held.take(elementSize));
      page = memPoolPageOfBlock(upper);
    }
    uint32_t outstanding = memPoolOutstandingCount(), used = page->used;
    memDataPoolFree(upper - 136 + sizeof(memPoolBlockHeaderS));
    if (memPoolOutstandingCount() != outstanding || page->used != used || memPoolPageOfBlock(upper) != page) return 2;
  }
  void* twice = memDataPoolAlloc(24);
  memDataPoolFree(twice);
  uint32_t outstanding = memPoolOutstandingCount();
  memDataPoolFree(twice);
  return memPoolOutstandingCount() == outstanding && memDataPoolBlockSize(twice) == 0 ? 0 : 3;
}

}  // namespace

TEST(memManPoolC, WithCallStacksKeptOnlyAPayloadFreesItsBlock) {
  std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  {
    environmentVariable location("MZMEMTRACK_LOCATION", "1");
    EXPECT_EXIT(std::_Exit(withCallStacksOnlyPayloadsAreFreed()), testing::ExitedWithCode(0), "");
  }
  GTEST_FLAG_SET(death_test_style, style);
}
