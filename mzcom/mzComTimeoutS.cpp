#include "mzcom/mzComTimeoutS.h"

#include "platform/clock.h"

void mzComTimeoutS::set(uint32_t fromNowMilliseconds) {
  expired = 0;
  milliseconds = 0;
  if (fromNowMilliseconds == never) {
    seconds = never;
    return;
  }
  wallClock::timeS now = wallClock::now();
  uint64_t total = uint64_t(now.milliseconds) + fromNowMilliseconds;
  uint64_t deadlineSeconds = uint64_t(now.seconds) + total / 1000;
  // A deadline past the last second the clock can tell never comes.
  if (deadlineSeconds >= never) {
    seconds = never;
    return;
  }
  seconds = uint32_t(deadlineSeconds);
  milliseconds = uint32_t(total % 1000);
}

bool mzComTimeoutS::isExpired() {
  if (seconds == never) return false;
  if (expired) return true;
  wallClock::timeS now = wallClock::now();
  if (now.seconds < seconds || (now.seconds == seconds && now.milliseconds < milliseconds)) return false;
  expired = 1;
  return true;
}

uint32_t mzComTimeoutS::remaining() const {
  if (seconds == never) return never;
  if (expired) return 0;
  wallClock::timeS now = wallClock::now();
  double left = (double(seconds) * 1000.0 + milliseconds) - (double(now.seconds) * 1000.0 + now.milliseconds);
  if (left <= 0) return 0;
  return left >= double(never) ? never : uint32_t(left);
}
