#include "platform/safeMemoryRead.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

TEST(safeMemoryRead, ReadsWhatIsReadableAndRefusesTheRest) {
  const char text[] = "readable";
  char copy[sizeof text] = {};
  EXPECT_TRUE(safeMemoryRead(text, copy, sizeof text));
  EXPECT_STREQ(copy, "readable");
  EXPECT_TRUE(safeMemoryRead(nullptr, copy, 0));
  EXPECT_FALSE(safeMemoryRead(nullptr, copy, 1));

  size_t pageSize = size_t(sysconf(_SC_PAGESIZE));
  auto* pages = static_cast<char*>(mmap(nullptr, pageSize * 2, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(pages, MAP_FAILED);
  std::memset(pages, 'p', pageSize * 2);
  mprotect(pages + pageSize, pageSize, PROT_NONE);
  char buffer[16];
  EXPECT_TRUE(safeMemoryRead(pages + pageSize - 8, buffer, 8));
  EXPECT_FALSE(safeMemoryRead(pages + pageSize - 8, buffer, 16)) << "a read running into a guard page";
  EXPECT_FALSE(safeMemoryRead(pages + pageSize, buffer, 1));
  munmap(pages, pageSize * 2);
  EXPECT_FALSE(safeMemoryRead(pages, buffer, 1));
}
