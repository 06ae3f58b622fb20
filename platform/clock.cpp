#include "platform/clock.h"

#include <time.h>

namespace wallClock {

static bool frozen = false;
static timeS frozenTime;

timeS now() {
  if (frozen) return frozenTime;
  timespec spec;
  clock_gettime(CLOCK_REALTIME, &spec);
  return {static_cast<uint32_t>(spec.tv_sec), static_cast<uint32_t>(spec.tv_nsec / 1000000)};
}

void freezeAt(timeS time) {
  frozenTime = time;
  frozen = true;
}

void release() { frozen = false; }

}  // namespace wallClock
