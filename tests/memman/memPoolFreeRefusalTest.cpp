#include <gtest/gtest.h>
#include <sanitizer/asan_interface.h>

#include <cstring>
#include <string>

#include "memman/memManPoolC.h"
#include "memman/memManPoolInspect.h"
#include "tests/captureDebugOutput.h"
#include "tests/memman/memPoolTestBlocks.h"

namespace {

// A word a free reads as an owner word, put at header for as long as it lives; the heap keeps
// the bytes it never handed out unaddressable under the sanitizer, so they are opened meanwhile.
struct plantedOwnerWord {
  unsigned char* header;
  unsigned char saved[sizeof(memPoolBlockHeaderS)];

  plantedOwnerWord(unsigned char* at, uint32_t owner) : header(at) {
    ASAN_UNPOISON_MEMORY_REGION(header, sizeof saved);
    std::memcpy(saved, header, sizeof saved);
    memPoolBlockHeaderS planted{owner, 16};
    std::memcpy(header, &planted, sizeof planted);
  }
  ~plantedOwnerWord() { std::memcpy(header, saved, sizeof saved); }
  plantedOwnerWord(const plantedOwnerWord&) = delete;
  plantedOwnerWord& operator=(const plantedOwnerWord&) = delete;
};

}  // namespace

// A word naming a live page frees nothing unless it heads a slot that page has handed out;
// freed blocks and marks name no page. Each refusal is reported and changes no count or list.
TEST(memPoolFree, OnlyAHandedOutSlotOfThePageItsOwnerWordNamesIsFreed) {
  if (memPoolHeaderSize() != sizeof(memPoolBlockHeaderS)) GTEST_SKIP() << "for plain headers";
  const uint32_t size = 64;
  memPoolTestBlocks held;
  held.drainClass(size);
  auto* live = static_cast<unsigned char*>(held.take(size));  // the fresh page's first slot handed out
  auto* page = const_cast<memPoolPageS*>(memPoolPageOfBlock(live));
  ASSERT_NE(page, nullptr);
  ASSERT_GT(page->firstSetUp, 0u);
  memPoolTestBlocks other;
  other.drainClass(2 * size);
  auto* elsewhere = static_cast<unsigned char*>(other.take(2 * size));  // a page of another class
  void* freed = memDataPoolAlloc(size);
  memDataPoolFree(freed);

  alignas(8) unsigned char foreign[64] = {};
  const std::string unknown = "free called on unknown object\n", twice = "free called on free object\n";
  struct row {
    const char* what;
    unsigned char* header;
    uint32_t owner;
    const std::string& message;
  } rows[] = {
      {"outside every slab", foreign, page->number, unknown},
      {"in another page's block", elsewhere - 8, page->number, unknown},
      {"a slot never handed out", page->blocks, page->number, unknown},
      {"the block area's tail", page->blocks + page->capacity * page->stride, page->number, unknown},
      {"inside a live block", live + 8, page->number, unknown},
      {"a number beyond every page", foreign, 0x7FFFFFF0u, unknown},
      {"a fresh slot's mark", foreign, memPoolOwnerFresh, unknown},
      {"a freed block again", static_cast<unsigned char*>(freed) - 8, memPoolOwnerFreed, twice},
  };
  for (const row& r : rows) {
    uint32_t outstanding = memPoolOutstandingCount(), used = page->used;
    const memPoolBlockHeaderS* freeHead = page->freeHead;
    {
      plantedOwnerWord planted(r.header, r.owner);
      captureDebugOutput capture;
      memDataPoolFree(r.header + sizeof(memPoolBlockHeaderS));
      EXPECT_EQ(capture.text.rfind(r.message, 0), 0u) << r.what << ": " << capture.text;
    }
    EXPECT_EQ(memPoolOutstandingCount(), outstanding) << r.what;
    EXPECT_EQ(page->used, used) << r.what;
    EXPECT_EQ(page->freeHead, freeHead) << r.what;
    EXPECT_EQ(memPoolClassListHead(sizeClassOf(size)), page) << r.what;
  }
  EXPECT_EQ(memPoolPageOfBlock(live), page);
  EXPECT_EQ(memDataPoolBlockSize(elsewhere), 2 * size);
}
