#include "platform/environmentLookup.h"

#include <gtest/gtest.h>

TEST(environmentLookup, NamesMatchWithoutRegardToCase) {
  char a[] = "TMPDIR=/x", b[] = "Tmp=/a", c[] = "tmp=/second", d[] = "TEMP", e[] = "temp=";
  char* environment[] = {a, b, c, d, e, nullptr};
  EXPECT_STREQ(findEnvironmentValueIgnoringCase(environment, "tmp"), "/a");
  EXPECT_STREQ(findEnvironmentValueIgnoringCase(environment, "TMPdir"), "/x");
  EXPECT_STREQ(findEnvironmentValueIgnoringCase(environment, "temp"), "");
  EXPECT_EQ(findEnvironmentValueIgnoringCase(environment, "tm"), nullptr);
  EXPECT_EQ(findEnvironmentValueIgnoringCase(nullptr, "tmp"), nullptr);
}
