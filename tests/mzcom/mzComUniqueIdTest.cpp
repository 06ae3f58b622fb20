#include "mzcom/mzComUniqueId.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

std::string bytesOf(const mzIIDS& id) { return std::string(id.data, id.length); }

TEST(mzComUniqueIdTest, TheTextIsBlankPaddedHexadecimalAndBecomesABinaryIdentifier) {
  mzIIDS id;
  formatUniqueId("abc", 0x4d2, 0xa3c, 1, id);
  EXPECT_EQ(id.length, 26u);
  EXPECT_EQ(bytesOf(id), "abc:     4d2:     a3c:   1");

  // A short prefix is padded; a long one pushes the rest out past 32 bytes.
  formatUniqueId("a", 0xffffffff, 0, 0x12345, id);
  EXPECT_EQ(bytesOf(id), "  a:ffffffff:       0:12345");
  formatUniqueId("prefix-longer-than-usual", 1, 2, 3, id);
  EXPECT_EQ(id.length, 32u);
  EXPECT_EQ(bytesOf(id), "prefix-longer-than-usual:       ");
}

TEST(mzComUniqueIdTest, EachCallTakesTheNextCounterValueInThisProcessAndThread) {
  mzIIDS first, second;
  EXPECT_EQ(makeUniqueId("abc", first), 0u);
  EXPECT_EQ(makeUniqueId("abc", second), 0u);
  unsigned process = 0, thread = 0, counter1 = 0, counter2 = 0;
  ASSERT_EQ(std::sscanf(bytesOf(first).c_str(), "abc:%x:%x:%x", &process, &thread, &counter1), 3);
  ASSERT_EQ(std::sscanf(bytesOf(second).c_str(), "abc:%*x:%*x:%x", &counter2), 1);
  EXPECT_EQ(process, unsigned(getpid()));
  EXPECT_EQ(thread, unsigned(gettid()));
  EXPECT_EQ(counter2, counter1 + 1);
}

}  // namespace
