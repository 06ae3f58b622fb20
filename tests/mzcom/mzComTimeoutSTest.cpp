#include "mzcom/mzComTimeoutS.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

namespace {

struct frozenClock {
  ~frozenClock() { wallClock::release(); }
};

TEST(mzComTimeoutSTest, ADeadlineExpiresAtItsMillisecondAndStaysExpired) {
  frozenClock clock;
  wallClock::freezeAt({10, 700});
  mzComTimeoutS deadline(1500);
  EXPECT_EQ(deadline.seconds, 12u);
  EXPECT_EQ(deadline.milliseconds, 200u);

  wallClock::freezeAt({12, 199});
  EXPECT_FALSE(deadline.isExpired());
  EXPECT_EQ(deadline.remaining(), 1u);
  wallClock::freezeAt({11, 900});
  EXPECT_EQ(deadline.remaining(), 300u);
  wallClock::freezeAt({12, 200});
  EXPECT_TRUE(deadline.isExpired());
  EXPECT_EQ(deadline.remaining(), 0u);
  wallClock::freezeAt({11, 0});
  EXPECT_TRUE(deadline.isExpired());

  // Setting it again starts afresh.
  deadline.set(0);
  EXPECT_TRUE(deadline.isExpired());
  deadline.set(1000);
  EXPECT_FALSE(deadline.isExpired());
}

TEST(mzComTimeoutSTest, MinusOneNeverExpiresAndHasTheLargestTimeLeft) {
  frozenClock clock;
  wallClock::freezeAt({4294000000u, 0});
  mzComTimeoutS never(uint32_t(-1));
  EXPECT_FALSE(never.isExpired());
  EXPECT_EQ(never.remaining(), 0xFFFFFFFFu);
  // A deadline past what the clock can tell never comes either.
  mzComTimeoutS beyond(0xFFFFFFFE);
  EXPECT_EQ(beyond.seconds, mzComTimeoutS::never);
  EXPECT_FALSE(beyond.isExpired());
}

}  // namespace
