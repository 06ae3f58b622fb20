#include "platform/fixedText.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(fixedText, FormatsNumbersAndCutsWhatDoesNotFit) {
  char buffer[64];
  fixedText text(buffer, sizeof buffer);
  text.append("n=").appendDecimal(0).append(" ").appendDecimal(-42).append(" ").appendDecimal(INT64_MIN);
  text.append(" ").appendHex(0).append(" ").appendHex(0xbeef, 8).append(" ").appendHex(UINT64_MAX);
  EXPECT_STREQ(text.text(), "n=0 -42 -9223372036854775808 0 0000beef ffffffffffffffff");
  EXPECT_FALSE(text.truncated());
  text.clear();
  text.append("abcdef", 3).append(nullptr).append("xy", 10);
  EXPECT_STREQ(text.text(), "abcxy");
  EXPECT_EQ(text.size(), 5u);

  char small[4];
  fixedText cut(small, sizeof small);
  cut.append("abcdef");
  EXPECT_STREQ(cut.text(), "abc");
  EXPECT_TRUE(cut.truncated());
  cut.clear();
  EXPECT_STREQ(cut.text(), "");
  EXPECT_FALSE(cut.truncated());
}
